#!/usr/bin/env bash
# The real program in a real X server (Xvfb), driven with xdotool as a person would drive it:
# start in an empty folder, fill the school data dialog, add a problem and name it, save
# through "&Salvar", quit; the plan and config.ini hold what was typed. Then start again: the
# dialog's "Abrir" offers the remembered plan, Ok opens it, and a second save holds the same
# plan. Every wait is bounded; Xvfb and the program are always ended.
#
# Usage: e2e.sh PATH_TO_SORVANE
set -euo pipefail

programa=$(readlink -f "${1:?uso: e2e.sh caminho/do/sorvane}")
limite=30 # seconds for any window to appear or the program to end

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
iniciar_xvfb
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORMTHEME SESSION_MANAGER

plano="$pasta/plano"
mkdir "$plano"

# $1, when given, is a plan on the command line, as the file manager passes it.
iniciar() {
    (cd "$plano" && exec "$programa" "$@") >>"$pasta/programa.log" 2>&1 &
    pid_programa=$!
}

focar() {
    xdotool windowfocus --sync "$1"
}

# ASCII only: xdotool types other characters by remapping a key for a moment, and the program
# now and then reads the key before or after the remapping.
digitar() {
    xdotool type --delay 20 -- "$1"
}

# Arquivo > $1 (the item's underlined letter). A menu may not yet be open when the letter
# arrives, so the command is tried again, a bounded number of times, until $2 (a command)
# says it took effect.
menu_arquivo() {
    local letra=$1 efeito=$2 tentativa
    for tentativa in 1 2 3 4 5; do
        focar "$(janela 'Projeto Sorvane - Versão 0.9')"
        xdotool key alt+a
        sleep 0.3
        xdotool key "$letra"
        local fim=$((SECONDS + 5))
        while [ "$SECONDS" -lt "$fim" ]; do
            if $efeito; then
                return
            fi
            sleep 0.1
        done
        xdotool key Escape
    done
    falhar "o item do menu Arquivo ($letra) não teve efeito"
}

# Enter on the dialog named $1 (its default button), again if the key was lost, until the
# dialog is gone.
confirmar() {
    local tentativa
    for tentativa in 1 2 3 4 5; do
        focar "$(janela "$1")"
        xdotool key Return
        local fim=$((SECONDS + 5))
        while [ "$SECONDS" -lt "$fim" ]; do
            xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
    done
    falhar "a janela \"$1\" não fechou"
}

dialogo_salvar_aberto() {
    xdotool search --onlyvisible --name '^Salvar$' >/dev/null 2>&1
}

programa_terminou() {
    ! kill -0 "$pid_programa" 2>/dev/null
}

# Arquivo > Salvar, then the file dialog: the name, Enter; back when the file is written in
# the folder $2 (the start-up folder when not given), holding $3 when given.
salvar_como() {
    menu_arquivo s dialogo_salvar_aberto
    focar "$(janela 'Salvar')"
    digitar "$1"
    xdotool key Return
    esperar_arquivo "${2:-$plano}/$1" "${3:-}"
}

esperar_arquivo() {
    local fim=$((SECONDS + limite))
    until [ -s "$1" ] && { [ -z "${2:-}" ] || grep -qF -- "$2" "$1"; }; do
        [ "$SECONDS" -lt "$fim" ] || falhar "o arquivo $1 não foi gravado"
        sleep 0.1
    done
}

# Arquivo > Sair, and the program gone with status 0.
sair() {
    menu_arquivo r programa_terminou
    wait "$pid_programa" || falhar "o programa terminou com erro"
    pid_programa=""
}

contem() {
    if ! grep -qF -- "$2" "$1"; then
        cat "$1" >&2
        falhar "$1 não contém: $2"
    fi
}

# --- first run: a new plan ---------------------------------------------------------------
iniciar
dialogo=$(janela 'Plano Escolar')
focar "$dialogo"
digitar 'Escola Estadual Sao Joao'
xdotool key Tab
digitar 'Conceicao Araujo'
# The date picker takes one Tab per field (day, month, year) before the plan name.
xdotool key Tab Tab Tab Tab
digitar 'meu-plano.xml'
confirmar 'Plano Escolar' # Ok, the default button
esperar_arquivo "$plano/meu-plano.xml"

principal=$(janela 'Projeto Sorvane - Versão 0.9')
focar "$principal"
# Ctrl and + presses the add button.
xdotool key ctrl+plus
xdotool key ctrl+a
digitar 'Evasao no periodo noturno'
salvar_como 'final.xml'
sair

[ -f "$plano/config.ini" ] || falhar "config.ini não foi criado"
contem "$plano/config.ini" '[arquivos]'
contem "$plano/config.ini" 'planejamento=final.xml'
contem "$plano/final.xml" '<escola nome="Escola Estadual Sao Joao" diretor="Conceicao Araujo"'
contem "$plano/final.xml" '<problemas maximo="10" total="2">'
contem "$plano/final.xml" '<problema nome="Evasao no periodo noturno" cor="0">'

# --- second run: the remembered plan -------------------------------------------------------
iniciar
dialogo=$(janela 'Plano Escolar')
focar "$dialogo"
# School, head teacher, the date's three fields, the plan name, then "Abrir".
xdotool key Tab Tab Tab Tab Tab Tab space
janela 'Abrir' >/dev/null
confirmar 'Abrir' # the name the dialog offers: the one config.ini remembers
confirmar 'Plano Escolar' # Ok opens it
salvar_como 'verificacao.xml'
sair

cmp -s "$plano/final.xml" "$plano/verificacao.xml" ||
    falhar "o plano aberto de novo não é o que foi salvo"
contem "$plano/config.ini" 'planejamento=verificacao.xml'

# --- third run: a plan of another folder given on the command line -------------------------
# As a double-click in the file manager starts it: Ok opens that plan, and saving it under its
# own name replaces it there, in its folder, not in the start-up folder.
outra="$pasta/outra"
mkdir "$outra"
cp "$plano/final.xml" "$outra/visitado.xml"
iniciar "$outra/visitado.xml"
confirmar 'Plano Escolar'
principal=$(janela 'Projeto Sorvane - Versão 0.9')
focar "$principal"
xdotool key ctrl+plus
xdotool key ctrl+a
digitar 'Merenda escolar'
salvar_como 'visitado.xml' "$outra" 'Merenda escolar'
sair

[ ! -e "$plano/visitado.xml" ] || falhar "a gravação deixou uma cópia na pasta de início"
contem "$outra/visitado.xml" '<escola nome="Escola Estadual Sao Joao"'
contem "$outra/visitado.xml" '<problema nome="Merenda escolar" cor="0">'
contem "$plano/config.ini" 'planejamento=../outra/visitado.xml'
echo "e2e: ok"
