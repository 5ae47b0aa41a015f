# bash completion for dorix-diff: its options and their values; file names otherwise.
_dorix_diff() {
  local cur
  cur=${COMP_WORDS[COMP_CWORD]}
  case $cur in
  --color=*) COMPREPLY=($(compgen -P --color= -W 'auto always never' -- "${cur#*=}")) ;;
  --encoding=*)
    COMPREPLY=($(compgen -P --encoding= -W 'auto utf-8 cp1251 cp866 koi8-r' -- "${cur#*=}"))
    ;;
  --view=*) COMPREPLY=($(compgen -P --view= -W 'both new old' -- "${cur#*=}")) ;;
  --line-ends=*) COMPREPLY=($(compgen -P --line-ends= -W 'auto cr lf' -- "${cur#*=}")) ;;
  --width=*) COMPREPLY=() ;;
  -*)
    COMPREPLY=($(compgen -W '--chunks --stats --lines --html --color= --encoding= --width=
      --hex --view= --line-ends= --exact --old-first --ignore-line-ends --strip-trailing-cr
      -b --ignore-space-change -w --ignore-all-space -i --ignore-case --help --version --' \
      -- "$cur"))
    # An option that takes a value waits for it after the "=".
    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
    ;;
  *) COMPREPLY=($(compgen -f -- "$cur")) && compopt -o filenames ;;
  esac
}
complete -F _dorix_diff dorix-diff
