#pragma once

#include "widgets/ButtonEdit.h"

// A text box for a folder with a button that opens a folder chooser.
class FolderBox : public ButtonEdit {
    Q_OBJECT

public:
    explicit FolderBox(QWidget* parent = nullptr);

private:
    void chooseFolder();
};
