// The sign's description in the result window: five fields beside its
// picture, and seven tabs of the rest (an eighth, "About Software", is the
// window's own). Each shown field is a caption label "lbl" + field and a
// read-only box "txt" + field.
#pragma once

#include "signs/rashi_information.h"

#include <QTabWidget>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace nyra {

struct SignFieldRow;

// One shown field: its row of the field table, the caption and the box (one
// of the two kinds).
struct SignFieldView {
    const SignFieldRow* row = nullptr;
    QLabel* label = nullptr;
    QLineEdit* line = nullptr;
    QPlainTextEdit* paragraph = nullptr;
};

// The upper fields: English name, ruling planet, symbol, inborn nature and
// colour, two to a line.
class SignFieldsPanel : public QWidget {
    Q_OBJECT
public:
    explicit SignFieldsPanel(QWidget* parent);
    void SetTexts();
    void Show(const SignDescription& sign);

private:
    std::vector<SignFieldView> fields_;
};

// "SST": the seven tabs of the description, then `aboutPage`.
class SignTabs : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kLuckyTab = 6;
    static constexpr int kAboutTab = 7;

    SignTabs(QWidget* aboutPage, QWidget* parent);
    void SetTexts();
    // Fills the tabs and opens the first.
    void Show(const SignDescription& sign);

private:
    std::vector<SignFieldView> fields_;
    QString vedicName_;
};

}  // namespace nyra
