# Functions of 80 lines or more (from the line of their opening brace's
# statement to the closing brace) in C++ sources. Brace depth is counted per
# character after strings, character literals and // comments are stripped;
# a block opened at the current scope's depth by a statement that names a
# namespace, class, struct, enum or union is a scope (descended into), any
# other is a function (or initializer) body and is measured.
function strip(s) { gsub(/"([^"\\]|\\.)*"/, "\"\"", s); gsub(/'([^'\\]|\\.)*'/, "''", s); sub(/\/\/.*/, "", s); return s }
FNR == 1 { depth = 0; n_scope = 0; start = 0; sig = ""; sigline = 0; incomment = 0 }
/^[ \t]*#/ { next }
{
  line = strip($0)
  if (incomment) { if (line ~ /\*\//) { sub(/.*\*\//, "", line); incomment = 0 } else next }
  gsub(/\/\*.*\*\//, "", line)
  if (line ~ /\/\*/) { sub(/\/\*.*/, "", line); incomment = 1 }
  scope_depth = n_scope > 0 ? scopes[n_scope] : 0
  for (i = 1; i <= length(line); i++) {
    c = substr(line, i, 1)
    if (start == 0 && depth == scope_depth && c != "{" && c != "}" && c != ";") {
      if (sig == "") sigline = FNR
      sig = sig c
    }
    if (c == "{") {
      if (start == 0 && depth == scope_depth) {
        if (sig ~ /(^|[^A-Za-z_])(namespace|class|struct|enum|union)([^A-Za-z_]|$)/ && sig !~ /\)[ \t]*(const)?[ \t]*(override)?[ \t]*$/) {
          scopes[++n_scope] = depth + 1
        } else { start = sigline ? sigline : FNR; name = sig }
        sig = ""
      }
      depth++
      scope_depth = n_scope > 0 ? scopes[n_scope] : 0
    } else if (c == "}") {
      depth--
      if (start == 0 && n_scope > 0 && depth == scopes[n_scope] - 1) { n_scope--; sig = "" }
      else if (start > 0 && depth == scope_depth) {
        len = FNR - start + 1
        if (len >= 80) { gsub(/[ \t]+/, " ", name); printf "%d %s:%d %s\n", len, FILENAME, start, substr(name, 1, 60) }
        start = 0; sig = ""
      }
      scope_depth = n_scope > 0 ? scopes[n_scope] : 0
    } else if (c == ";" && depth == scope_depth) sig = ""
  }
  if (start == 0 && depth == scope_depth && sig != "") sig = sig " "
}
