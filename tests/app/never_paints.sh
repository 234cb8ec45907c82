#!/bin/sh
# A program that starts and never paints a window: shipped_program must
# refuse it within its limit, saying so.
exec sleep 60
