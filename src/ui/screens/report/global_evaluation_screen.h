#pragma once

#include "ui/kit/services.h"
#include "ui/toolkit/page_printer.h"
#include "ui/toolkit/screen.h"

#include <QPointer>
#include <QString>

#include <array>
#include <vector>

namespace quillo {

class Button;
class Label;
class Page;
class VerdictBox;

// The report card of the run: a word per operation, one for the fractions,
// one for the decimal numbers and an overall verdict once all six sections
// are done. It reads the scoreboard at every opening and can print itself.
class GlobalEvaluationScreen final : public Screen {
public:
    explicit GlobalEvaluationScreen(Services& services);
    Page* open() override;

    PagePrinter& printer() { return printer_; }

    static constexpr int kReportWidth = 9525;
    static constexpr int kReportHeight = 6900;

    // The file name a saved report suggests, safe on any file system.
    static QString pdfName(const QString& pupilName);

private:
    void build();
    // Fills the card in from the scoreboard as it stands.
    void showCard();
    void print();

    Services& services_;
    PagePrinter printer_;
    QPointer<Page> page_;
    Label* pupilName_ = nullptr;
    // Division, multiplication, addition, subtraction, fractions, decimals.
    // The words of the card's lines, in its order.
    std::vector<Label*> words_;
    VerdictBox* overall_ = nullptr;
    Label* credit_ = nullptr;
    Button* print_ = nullptr;
};

}  // namespace quillo
