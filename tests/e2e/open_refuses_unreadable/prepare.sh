#!/usr/bin/env bash
# A well-formed drawing that nobody may read.
printf '0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n' > "$1/locked.dxf"
chmod 000 "$1/locked.dxf"
