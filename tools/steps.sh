# Sourced by the build and test scripts: one line per step, the step's own
# output in a log file.
# Needs: logs (the folder of the log files; made here).

# run_step <name> <what it does> <command> [args...]
# Runs the command with its output in $logs/<name>.log and prints
# "<what> ... <seconds> s"; on failure the end of the log follows, and the
# command's exit status is returned.
run_step() {
  step_log=$logs/$1.log
  step_what=$2
  shift 2
  mkdir -p "$logs"
  : >"$step_log"
  step_start=$(date +%s)
  printf '%s ... ' "$step_what"
  step_status=0
  "$@" >>"$step_log" 2>&1 </dev/null || step_status=$?
  step_seconds=$(($(date +%s) - step_start))
  if [ "$step_status" -eq 0 ]; then
    echo "${step_seconds} s"
    return 0
  fi
  echo "failed after ${step_seconds} s (exit status $step_status)"
  echo "----- the end of $step_log -----"
  tail -n "${STEP_LOG_TAIL:-40}" "$step_log"
  echo "-----"
  return "$step_status"
}
