# bash completion for dorix-diff: its options and their values; file names otherwise, and only
# file names after "--".
_dorix_diff_values() { # the values an option takes; none for one whose value is free
  case $1 in
  --color) echo 'auto always never' ;;
  --encoding) echo 'auto utf-8 cp1251 cp866 koi8-r' ;;
  --view) echo 'both new old' ;;
  --line-ends) echo 'auto cr lf' ;;
  esac
}

_dorix_diff() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev='' option='' value='' prefix='' i
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ ${COMP_WORDS[i]} == -- ]]; then
      COMPREPLY=($(compgen -f -- "$cur")) && compopt -o filenames
      return
    fi
  done
  # "=" is one of bash's word breaks, so "--color=al" comes as "--color", "=", "al" and only
  # the value is replaced; where it is not, the option comes whole and keeps its prefix.
  if [[ $cur == = && $prev == --* ]]; then
    option=$prev
  elif [[ $prev == = ]] && ((COMP_CWORD >= 2)); then
    option=${COMP_WORDS[COMP_CWORD - 2]} value=$cur
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} value=${cur#*=} prefix=$option=
  fi
  if [[ -n $option ]]; then
    COMPREPLY=($(compgen -P "$prefix" -W "$(_dorix_diff_values "$option")" -- "$value"))
    return
  fi
  case $cur in
  -*)
    COMPREPLY=($(compgen -W '--chunks --stats --moves --lines --html --color= --encoding=
      --width= --hex --view= --line-ends= --exact --no-moves --old-first --label= -L
      --ignore-line-ends --strip-trailing-cr -b --ignore-space-change -w --ignore-all-space
      -i --ignore-case -q --exclude= --no-exclude --help --version --' -- "$cur"))
    # An option that takes a value waits for it after the "=".
    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
    ;;
  *) COMPREPLY=($(compgen -f -- "$cur")) && compopt -o filenames ;;
  esac
}
complete -F _dorix_diff dorix-diff
