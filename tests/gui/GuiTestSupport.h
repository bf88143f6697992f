#pragma once
// Helpers of the window tests: a fresh current folder per test (the program
// keeps kalivo.ini there), and answering a modal dialog from a timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "support/TempFolder.h"

namespace kalivo::test {

class GuiTest : public ::testing::Test {
protected:
    GuiTest() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(folder_.Path()); }
    ~GuiTest() override { std::filesystem::current_path(previous_); }

    TempFolder folder_;

private:
    std::filesystem::path previous_;
};

// Polls until a modal dialog of type D is up, then hands it to act. Start it
// before the call that opens the dialog. Gives up after five seconds, so that
// a dialog that never came cannot be answered in a later test.
template <class D, class F>
void AnswerNextModal(F act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, polls] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog != nullptr || ++*polls > 250) {
            timer->stop();
            timer->deleteLater();
        }
        if (dialog != nullptr) {
            act(dialog);
        }
    });
    timer->start();
}

}  // namespace kalivo::test
