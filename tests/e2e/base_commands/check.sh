#!/usr/bin/env bash
# The manual the commands open is installed, and is a PDF.
set -euo pipefail
head -c 5 "$1/install/Fastrelle.pdf" | grep -q '%PDF-'
