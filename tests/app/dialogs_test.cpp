// The file dialog's filter in Qt's form.
#include <gtest/gtest.h>

#include "app/dialogs.h"

namespace tessara::app {
namespace {

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
  const struct {
    const char* given;
    const char* expected;
  } rows[] = {
      {"Circuits (*.cir)|*.cir|", "Circuits (*.cir)"},
      {"Circuit (*.cir)|*.cir|", "Circuit (*.cir)"},
      {"Circuits|*.cir", "Circuits (*.cir)"},
      {"Circuits (*.cir)|*.cir|All files (*.*)|*.*|", "Circuits (*.cir);;All files (*.*)"},
      {"Texts|*.txt;*.text|", "Texts (*.txt *.text)"},
      {"", ""},
      {"No pattern|", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(QtNameFilters(row.given).toStdString(), row.expected) << row.given;
  }
}

}  // namespace
}  // namespace tessara::app
