#pragma once

#include <QApplication>

// The application object: Czech texts for Qt's own dialogs, the green theme, and the last
// resort for anything a handler throws, which ends that command in the standard error box.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Used by tests too, so they see the windows as the user does.
    static void applyTheme(QApplication& app);
    // Qt's own dialog texts in Czech; false when the translation is not installed.
    static bool installCzechTexts(QApplication& app);
};
