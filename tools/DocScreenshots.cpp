// Writes the pictures the README shows: the main window and two dialogs as the
// program draws them, each grabbed from an offscreen window, so no display or
// window manager is needed. Usage: kalivo-doc-screenshots OUTDIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ModelCatalog.h"
#include "app/SettingsFile.h"
#include "qt/MainWindow.h"
#include "qt/ModelSelectionDialog.h"
#include "qt/OptionsDialog.h"
#include "qt/ProgramIcon.h"
#include "qt/QtUserInterface.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    // Lets the layouts settle before the picture is taken.
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "kalivo-doc-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kalivo-doc-screenshots OUTDIR\n", stderr);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kalivo::ProgramIcon::Icon());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kalivo-doc-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    // A settings file of its own that names the Tyros, so that the window shows
    // a model with all its buttons and leaves the person's settings alone.
    QTemporaryDir scratch;
    const std::string settingsPath = scratch.filePath(QStringLiteral("kalivo.ini")).toStdString();
    const std::string& tyros = kalivo::ModelCatalog::NameOf(kalivo::Model::Tyros);
    kalivo::StyleArchiveOptions options;
    options.implicitSearch = true;
    kalivo::SettingsFile(settingsPath).Write(tyros, options);

    kalivo::QtUserInterface ui;
    kalivo::MainWindow window(ui, settingsPath);
    ui.SetParentWindow(&window);
    window.Initialize();
    window.resize(window.DefaultSize());  // as on a large screen, whatever the offscreen screen's size
    bool saved = Save(window, out, "main-window.png");

    // As the Model button opens it: on the model in use.
    std::vector<std::string> names;
    int current = -1;
    for (kalivo::Model model : kalivo::ModelCatalog::SelectionOrder()) {
        if (model == kalivo::Model::Tyros) {
            current = static_cast<int>(names.size());
        }
        names.push_back(kalivo::ModelCatalog::NameOf(model));
    }
    kalivo::ModelSelectionDialog models(names, current, &window);
    saved = Save(models, out, "select-model.png") && saved;
    models.hide();

    kalivo::OptionsDialog optionsDialog(tyros, options, ui, &window);
    saved = Save(optionsDialog, out, "options.png") && saved;
    return saved ? 0 : 1;
}
