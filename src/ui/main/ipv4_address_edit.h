// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include <QWidget>

class QLineEdit;

namespace tolvane {

// An IPv4 address field: four octet boxes (0-255) separated by dots. The value is a u32 in host
// order (192.168.0.253 is 0xC0A800FD); a blank box reads as 0 and a number above 255 as 255.
// Typing a dot or a third digit moves on to the next box.
class Ipv4AddressEdit : public QWidget {
    Q_OBJECT
public:
    explicit Ipv4AddressEdit(QWidget* parent = nullptr);

    std::uint32_t value() const;
    void setValue(std::uint32_t address);
    // Empties the four boxes.
    void clear();
    QLineEdit* octetField(int index) const { return octets_.at(static_cast<std::size_t>(index)); }

signals:
    void valueEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int octetIndex(const QObject* field) const;
    void onOctetEdited(int index);

    std::array<QLineEdit*, 4> octets_{};
};

}  // namespace tolvane
