#pragma once
// A fixture for tests through the real window: the whole program started up
// with a recording message box and scripted file dialogs, and its controls
// reached by name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <memory>
#include <string>
#include <vector>

#include "commands/memory_ports.h"
#include "ui/program.h"

namespace spurgear {

class WindowTest : public testing::Test {
 protected:
  MemoryBox box;
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::Program> p = std::make_unique<ui::Program>(&box, &dialogs);

  QLineEdit* Edit(const char* name) {
    auto* e = p->Find<QLineEdit>(name);
    EXPECT_NE(e, nullptr) << name;
    return e;
  }
  std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
  void Type(const char* name, const QString& text) { Edit(name)->setText(text); }
  void Type(const char* name, const std::string& text) { Type(name, QString::fromStdString(text)); }
  void Type(const char* name, const char* text) { Type(name, QString::fromUtf8(text)); }
  void Click(const char* name) { p->Find<QAbstractButton>(name)->click(); }

  // The texts of the fourteen fields that show slot 0's results.
  std::vector<std::string> Results() {
    std::vector<std::string> texts;
    for (const char* n : {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                          "Edit13", "Edit14", "Edit15", "Edit16", "Edit47", "Edit48", "Edit17"}) {
      texts.push_back(Text(n));
    }
    return texts;
  }
};

}  // namespace spurgear
