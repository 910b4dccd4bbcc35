#!/usr/bin/env bash
# A drawing whose first line, where a group code belongs, is a megabyte of text.
{ head -c 1000000 /dev/zero | tr '\0' 'x'; printf '\n0\nEOF\n'; } > "$1/long.dxf"
