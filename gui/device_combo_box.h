#pragma once
// The chooser of the serial device on page "8.Moduł": a list of the devices present, by the
// names a person knows them by, that may also take a typed device path (a virtual port of a
// network serial server). The list is read again every time it opens, so an adapter plugged in
// meanwhile appears without restarting the program.
#include <QComboBox>

class DeviceComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Tells the page to read the devices present again, then opens the list.
    void showPopup() override;

Q_SIGNALS:
    void popupAboutToShow();
};
