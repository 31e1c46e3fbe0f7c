# Shared by the end-to-end scripts, sourced once `limite` (seconds for any wait) is set: a
# scratch folder, a private X server and the windows on it, and an exit that always ends the
# program and Xvfb, runs the script's own ao_terminar if it has one, and shows what the program
# printed when something failed.

pasta=$(mktemp -d)
# The program's recovery copies stay in the scratch folder, not in the user's own data folder.
export XDG_DATA_HOME="$pasta/dados"
pid_xvfb=""
pid_programa=""

terminar() {
    local status=$?
    [ -n "$pid_programa" ] && kill "$pid_programa" 2>/dev/null || true
    [ -n "$pid_xvfb" ] && kill "$pid_xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    if declare -F ao_terminar >/dev/null; then
        ao_terminar
    fi
    if [ "$status" -ne 0 ] && [ -f "$pasta/programa.log" ]; then
        echo "--- saída do programa ---" >&2
        cat "$pasta/programa.log" >&2
    fi
    rm -rf "$pasta"
    exit "$status"
}
trap terminar EXIT

falhar() {
    echo "FALHA: $*" >&2
    exit 1
}

# Xvfb on a display number it picks itself, so runs side by side never collide.
iniciar_xvfb() {
    local numero
    mkfifo "$pasta/tela"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$pasta/tela" >/dev/null 2>&1 &
    pid_xvfb=$!
    read -r -t "$limite" numero <"$pasta/tela" || falhar "o Xvfb não informou sua tela"
    export DISPLAY=":$numero"
}

# The id of the visible window named exactly $1, waiting for it. A search can fail when a
# window it is looking at goes away meanwhile (X's BadWindow); it is then tried again.
janela() {
    local fim=$((SECONDS + limite)) id
    while :; do
        id=$(timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null |
            head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return
        fi
        if [ -n "$pid_programa" ] && ! kill -0 "$pid_programa" 2>/dev/null; then
            falhar "o programa terminou antes de a janela \"$1\" aparecer"
        fi
        [ "$SECONDS" -lt "$fim" ] || falhar "a janela \"$1\" não apareceu"
    done
}
