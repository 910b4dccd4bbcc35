#!/usr/bin/env bash
# The same fixed date format and author token as the part-description case, so that the
# transcript is the same on every day and for every user.
exec bash "$(dirname "$0")/../part_description/prepare.sh" "$1"
