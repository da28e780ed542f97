# Sourced by the tools that need a screen of their own (not run by itself).
#   start_virtual_screen FOLDER
# starts Xvfb with a 1280x1024 screen on a display number the server picks itself
# (a free one), writing that number into FOLDER, and sets xvfb to its process id, by
# which the caller ends it, and display to ":N". Where no session names a runtime
# folder, FOLDER (a private scratch folder) is the programs' one, so that Qt does not
# leave a folder of its own in /tmp. -noreset: without it the server starts afresh
# whenever its last client leaves, and a program connecting just then is refused.
start_virtual_screen() {
  [ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$1"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
  display=:$(cat "$1/display")
}
