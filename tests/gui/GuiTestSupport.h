#pragma once
// Helpers of the window tests: a fresh current folder per test (the program
// keeps kalivo.ini there), and answering a modal dialog from a timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>

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
// before the call that opens the dialog.
template <class D, class F>
void AnswerNextModal(F act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

}  // namespace kalivo::test
