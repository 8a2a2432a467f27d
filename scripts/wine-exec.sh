#!/bin/sh
# Runs a Windows program under Wine, quietly and without first-run prompts.
# `exec` hands the process to Wine so that CTest's time-out reaches it.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec wine "$@"
