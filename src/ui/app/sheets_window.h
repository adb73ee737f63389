#pragma once

#include "core/sheets/sheet_request.h"
#include "ui/toolkit/page_printer.h"

#include <QPrinter>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;

namespace quillo {

// "Schede per la classe": the teacher picks a family, its choice, how many
// exercises and a seed, sees the pages as they will print, and prints them
// through Qt's print dialog or saves them as a PDF. It makes the same sheet
// as the command line from the same request, and prints through the same
// PagePrinter as the report card. The pupil's screens never lead here; it
// opens with `quillo --schede`.
class SheetsWindow : public QWidget {
    Q_OBJECT

public:
    explicit SheetsWindow(QWidget* parent = nullptr);

    // What the controls ask for now.
    sheets::SheetRequest request() const;
    PagePrinter& printer() { return printer_; }

private:
    QWidget* buildControls();
    void familyChosen();
    void refresh();

    QComboBox* family_ = nullptr;
    QLabel* choiceLabel_ = nullptr;
    QComboBox* choice_ = nullptr;
    QSpinBox* count_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QCheckBox* key_ = nullptr;
    QLabel* pages_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
    QPrinter previewPrinter_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_ = nullptr;
    PrintJob job_;
    PagePrinter printer_;
};

}  // namespace quillo
