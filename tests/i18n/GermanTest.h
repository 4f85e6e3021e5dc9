#pragma once
// Tests that run the window in German: the built-in catalogue installed for the test,
// taken away after it, with a private settings store.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "../app/AppTestSupport.h"

namespace i18ntest {

class GermanTest : public apptest::AppTest {
 protected:
  void SetUp() override {
    apptest::AppTest::SetUp();
    // Qt's own, for the standard buttons (Debian's qt6-translations-l10n), as the window
    // loads it along with its own.
    qt_ = std::make_unique<QTranslator>();
    ASSERT_TRUE(qt_->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(qt_.get());
    german_ = std::make_unique<QTranslator>();
    ASSERT_TRUE(german_->load(QStringLiteral(":/i18n/quelmar_de.qm")));
    QCoreApplication::installTranslator(german_.get());
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(german_.get());
    german_.reset();
    QCoreApplication::removeTranslator(qt_.get());
    qt_.reset();
    apptest::AppTest::TearDown();
  }

  std::unique_ptr<QTranslator> qt_;
  std::unique_ptr<QTranslator> german_;
};

}  // namespace i18ntest
