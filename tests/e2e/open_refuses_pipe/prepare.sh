#!/usr/bin/env bash
# The drawing is a named pipe that nobody writes to.
mkfifo "$1/drawing.dxf"
