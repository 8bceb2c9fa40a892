# bash completion for spurgear-cli. The commands and their options are read
# from the program's own --help, so every command it has is completed; gear
# data files go to --load, --save and hgd, and the fixed choices are offered.
_spurgear_cli_commands() {
  "$1" --help 2>/dev/null |
    awk '/^Subcommands:/ { s = 1; next } s && /^$/ { exit } s && /^  [a-z]/ { print $1 }'
}

_spurgear_cli_options() {
  "$1" "$2" --help 2>/dev/null | sed -n 's/^  \(-[^ ]*\).*/\1/p' | tr ',' '\n' | grep '^--'
}

_spurgear_cli() {
  local cur prev words cword
  _init_completion || return

  local program="${words[0]}" command="" i
  for ((i = 1; i < cword; i++)); do
    case "${words[i]}" in
      -*) ;;
      *) command="${words[i]}"; break ;;
    esac
  done

  case "$prev" in
    --load|--save) _filedir hgd; return ;;
    --output)
      # report writes a PDF or an SVG sheet, dxf a drawing.
      if [[ "$command" == report ]]; then _filedir '@(pdf|svg)'; else _filedir dxf; fi
      return ;;
    --gear) COMPREPLY=($(compgen -W "1 2" -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W "json csv" -- "$cur")); return ;;
    --fillet) COMPREPLY=($(compgen -W "0 1" -- "$cur")); return ;;
    --shock) COMPREPLY=($(compgen -W "0 1 2" -- "$cur")); return ;;
    --module|--teeth|--shift|--correction|--rotation|--width|--speed|--material|--jobs|\
    --pin|--span-teeth|--center-distance)
      return ;;
  esac

  if [[ -z "$command" ]]; then
    if [[ "$cur" == -* ]]; then
      COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$(_spurgear_cli_commands "$program")" -- "$cur"))
    fi
    return
  fi
  if [[ "$command" == hgd && "$cur" != -* ]]; then
    _filedir hgd
    return
  fi
  COMPREPLY=($(compgen -W "$(_spurgear_cli_options "$program" "$command")" -- "$cur"))
}
complete -F _spurgear_cli spurgear-cli
