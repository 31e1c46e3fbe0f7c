#!/usr/bin/env bash
# The Debian package as a school's computer gets it: apt installs it with everything it needs;
# the menu entry's command, started in the user's home folder as a desktop menu starts it, runs
# /usr/bin/sorvane in a real X server (Xvfb); a plan name and Ok in the school data dialog bring
# up the main window, Ctrl+Q ends the program, and config.ini and the plan are in the home
# folder. apt then removes the package, and no file of it is left. It changes the system, so it
# runs as root and refuses to run where the package is already installed. Every wait is
# bounded; Xvfb, the program and the package are always taken away again.
#
# Usage: pacote.sh PATH_TO_sorvane_VERSION_ARCH.deb
set -euo pipefail

pacote=$(readlink -f "${1:?uso: pacote.sh caminho/do/sorvane_versao_arquitetura.deb}")
limite=30 # seconds for any window to appear or the program to end

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"

instalado() {
    dpkg-query -W -f='${Status}' sorvane 2>/dev/null | grep -q 'install ok installed'
}

[ -f "$pacote" ] || falhar "$pacote não existe (make deb o gera)"
[ "$(id -u)" -eq 0 ] || falhar "é preciso ser root: o teste instala o pacote no sistema"
! instalado || falhar "o pacote sorvane já está instalado; este teste o removeria"

colocado=""
ao_terminar() {
    if [ -n "$colocado" ] && instalado; then
        apt-get remove -y -q sorvane >/dev/null 2>&1 || true
    fi
}

export DEBIAN_FRONTEND=noninteractive
apt_get() {
    apt-get -q -y -o DPkg::Lock::Timeout=300 "$@" >>"$pasta/apt.log" 2>&1 ||
        { cat "$pasta/apt.log" >&2; falhar "apt-get $* falhou"; }
}

# --- install -------------------------------------------------------------------------------
colocado=1
apt_get install "$pacote"
instalado || falhar "o pacote não ficou instalado"
dpkg-query -L sorvane >"$pasta/arquivos"
[ -x /usr/bin/sorvane ] || falhar "/usr/bin/sorvane não foi instalado"

entrada=/usr/share/applications/sorvane.desktop
[ -f "$entrada" ] || falhar "a entrada do menu não foi instalada"
comando=$(sed -n 's/^Exec=//p' "$entrada" | head -n 1)
[ "$(command -v "${comando%% *}")" = /usr/bin/sorvane ] ||
    falhar "o menu não inicia /usr/bin/sorvane (Exec=$comando)"
# Started from the menu, with no file: the entry's file code goes, as the desktop drops it.
comando=${comando// %f/}

# Plans open with the program: their type is installed, and the menu's database (updated by
# Debian's trigger) names the entry for it.
[ -f /usr/share/mime/packages/sorvane.xml ] || falhar "o tipo de arquivo do plano não foi instalado"
grep -q '^application/x-sorvane-plano+xml=.*sorvane\.desktop' \
    /usr/share/applications/mimeinfo.cache 2>/dev/null ||
    falhar "o menu não abre os planos com o Sorvane"

# --- run: a new user's home folder, a real X server ------------------------------------------
casa="$pasta/casa"
mkdir "$casa"
iniciar_xvfb
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME SESSION_MANAGER XDG_CONFIG_HOME XDG_DATA_HOME

(cd "$casa" && export HOME="$casa" && exec $comando) >"$pasta/programa.log" 2>&1 &
pid_programa=$!

# $2 on the window named $1, again if the key was lost, until $3 (a command) holds.
teclar_ate() {
    local tentativa fim
    for tentativa in 1 2 3 4 5; do
        xdotool windowfocus --sync "$(janela "$1")"
        xdotool key "$2"
        fim=$((SECONDS + 5))
        while [ "$SECONDS" -lt "$fim" ]; do
            if $3; then
                return
            fi
            sleep 0.1
        done
    done
    falhar "$2 na janela \"$1\" não teve efeito"
}

dialogo_fechado() {
    ! xdotool search --onlyvisible --name '^Plano Escolar$' >/dev/null 2>&1
}

programa_terminou() {
    ! kill -0 "$pid_programa" 2>/dev/null
}

# The plan's name (after the school, the head teacher and the date's three fields), Ok (the
# default button), then the main window.
xdotool windowfocus --sync "$(janela 'Plano Escolar')"
xdotool key Tab Tab Tab Tab Tab
xdotool type --delay 20 escola.xml
teclar_ate 'Plano Escolar' Return dialogo_fechado
janela 'Projeto Sorvane - Versão 0.9' >/dev/null
teclar_ate 'Projeto Sorvane - Versão 0.9' ctrl+q programa_terminou
wait "$pid_programa" || falhar "o programa terminou com erro"
pid_programa=""

[ -f "$casa/config.ini" ] || falhar "config.ini não foi gravado na pasta pessoal"
grep -qF 'planejamento=escola.xml' "$casa/config.ini" ||
    falhar "config.ini não lembra o plano: $(cat "$casa/config.ini")"
[ -s "$casa/escola.xml" ] || falhar "o plano não foi criado na pasta pessoal"

# --- remove --------------------------------------------------------------------------------
apt_get remove sorvane
colocado=""
! instalado || falhar "o pacote continua instalado"
sobras=()
while IFS= read -r caminho; do
    # Folders the package shares with others (/usr, /usr/share/icons...) stay; its own go.
    if [ -e "$caminho" ] && { [ ! -d "$caminho" ] || [[ "$caminho" == */sorvane ]]; }; then
        sobras+=("$caminho")
    fi
done <"$pasta/arquivos"
[ ${#sobras[@]} -eq 0 ] || falhar "ficaram arquivos do pacote: ${sobras[*]}"
echo "pacote: ok"
