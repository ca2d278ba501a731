#pragma once

#include "FakeDialogs.h"

#include "app/App.h"
#include "app/Globals.h"
#include "framework/Clock.h"
#include "framework/ImplicitInstance.h"
#include "prefs/myPrefs.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

// A started application on a clean desk: an empty preferences folder of its
// own, the application's Open event run, the test clock installed and the
// dialogs answered by the test. Windows left open are discarded afterwards.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefsDir_.isValid());
        qputenv("XDG_CONFIG_HOME", prefsDir_.path().toUtf8());
        app_ = std::make_unique<tibbly::App>();
        if (writePrefsBeforeOpen)
            writePrefsBeforeOpen();
        app_->open();
    }

    void TearDown() override
    {
        fw::discardAllWindows();
        QCoreApplication::processEvents();
        app_.reset();
        tibbly::Globals::gPrefs.reset();
    }

    [[nodiscard]] QString prefsPath() const { return tibbly::myPrefs::filePath(); }
    tibbly::myPrefs& prefs() { return *tibbly::Globals::gPrefs; }
    tibbly::App& app() { return *app_; }
    // Lets posted events run: deferred deletes, paints, activation.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // Set by a test's constructor to lay down a file before the Open event.
    std::function<void()> writePrefsBeforeOpen;

    fw::ScopedTestClock clock;
    FakeDialogs dialogs;

private:
    QTemporaryDir prefsDir_;
    std::unique_ptr<tibbly::App> app_;
};

} // namespace testsupport
