# Shared by the scripts: source it, do not run it.

# Runs a command as root, through sudo when the script is not root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The project's version, from the project() line of the top CMakeLists.txt.
project_version() {
    sed -nE 's/^project\(.*[[:space:]]VERSION[[:space:]]+([0-9.]+).*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt"
}
