// "cboTimeKnown": how well the birth time is known. Exactly (the first
// entry and the default), within 15 minutes, 1 hour or 2 hours, or not at
// all; a record saved with another window adds that window as an entry.
#pragma once

#include "engine/time_window.h"

#include <QComboBox>

namespace nyra {

class TimeKnownList : public QComboBox {
    Q_OBJECT
public:
    explicit TimeKnownList(QWidget* parent);
    void SetTexts();

    TimeWindow window() const;
    // Selects the entry of `window`, adding one for a window the list does
    // not offer (a record's 45 minutes).
    void SetWindow(const TimeWindow& window);
};

}  // namespace nyra
