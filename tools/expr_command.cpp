#include "expr_command.h"

#include "exit_codes.h"
#include "io/expression_text.h"

namespace tessara::tool {

int Expr(const Document& doc, std::ostream& out) {
  out << ExpressionText(doc);
  return kExitOk;
}

}  // namespace tessara::tool
