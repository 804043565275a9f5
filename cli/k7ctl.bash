# bash completion for k7ctl; source it, or copy it to
# /usr/share/bash-completion/completions/k7ctl.
_k7ctl()
{
    local cur prev words cword
    _init_completion 2>/dev/null || {
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD-1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    }

    COMPREPLY=()
    local globals="--json --demo --help --version"
    local -a args=()
    local w
    for w in "${words[@]:1:cword-1}"; do
        [[ $w == --* ]] || args+=("$w")
    done

    case $prev in
        --speed|--brightness) COMPREPLY=($(compgen -W "0 1 2 3 4" -- "$cur")); return ;;
        --color) COMPREPLY=($(compgen -W "1=# 2=# 3=# 4=# 5=# 6=# 7=# 8=#" -- "$cur")); compopt -o nospace 2>/dev/null; return ;;
    esac

    local n=${#args[@]}
    case "${args[0]} ${args[1]}" in
        "profile import"|"profile export")
            if (( n == 2 )); then
                COMPREPLY=($(compgen -W "1 2 3 4 5 6" -- "$cur"))
            elif (( n == 3 )); then
                COMPREPLY=($(compgen -f -- "$cur"))
            fi
            return ;;
        "macro import") (( n == 2 )) && COMPREPLY=($(compgen -f -- "$cur")); return ;;
        "macro export") (( n == 3 )) && COMPREPLY=($(compgen -f -- "$cur")); return ;;
    esac

    case ${#args[@]} in
        0) COMPREPLY=($(compgen -W "list info profile dpi rate light button macro $globals" -- "$cur")) ;;
        1)
            case ${args[0]} in
                profile) COMPREPLY=($(compgen -W "show use import export reset" -- "$cur")) ;;
                dpi) COMPREPLY=($(compgen -W "set stages current" -- "$cur")) ;;
                rate) COMPREPLY=($(compgen -W "125 250 500 1000" -- "$cur")) ;;
                light) COMPREPLY=($(compgen -W "Static Breath Neon OFF Twinkling Wave Gliding Finger-Moving Vertical-Flipping YO-YO Spotlight Breath-Loop" -- "$cur")) ;;
                button) COMPREPLY=($(compgen -W "1 2 3 4 5 6 7 8" -- "$cur")) ;;
                macro) COMPREPLY=($(compgen -W "list show import export send" -- "$cur")) ;;
            esac ;;
        2)
            case ${args[0]} in
                profile) COMPREPLY=($(compgen -W "1 2 3 4 5 6" -- "$cur")) ;;
                button)
                    COMPREPLY=($(compgen -W "left right middle back forward double key: combo: fire: media: win: shortcut: dpi: macro: gun:" -- "$cur"))
                    [[ ${COMPREPLY[0]} == *: ]] && compopt -o nospace 2>/dev/null ;;
                light) COMPREPLY=($(compgen -W "--speed --brightness --color" -- "$cur")) ;;
            esac ;;
        *)
            [[ ${args[0]} == light ]] && COMPREPLY=($(compgen -W "--speed --brightness --color" -- "$cur")) ;;
    esac
    [[ $cur == -* && ${#COMPREPLY[@]} == 0 ]] && COMPREPLY=($(compgen -W "$globals" -- "$cur"))
    return 0
}
complete -F _k7ctl k7ctl
