#include "DialogStyle.h"

namespace brinox {

namespace {

// %1: the size of the type.
const char* const kStyle = R"(
QDialog { background: #0d1424; }
QDialog, QDialog * { font-size: %1px; }
QLabel { color: #e9e2c8; }
QLabel:disabled, QCheckBox:disabled, QRadioButton:disabled { color: #5d6784; }
QGroupBox { background: #182238; border: 2px solid #3c4d74; border-radius: 6px;
    margin-top: 1.2em; padding-top: 0.4em; color: #f2c14e; font-weight: bold; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QRadioButton, QCheckBox { color: #e9e2c8; spacing: 6px; padding: 2px; }
QRadioButton:checked { color: #ffd866; font-weight: bold; }
QRadioButton::indicator, QCheckBox::indicator { width: 10px; height: 10px;
    border: 2px solid #6d83b8; background: #0a1020; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator { border-radius: 2px; }
QRadioButton::indicator:checked, QCheckBox::indicator:checked {
    background: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.6, fx: 0.4, fy: 0.4,
                                stop: 0 #fff3c4, stop: 0.5 #f2c14e, stop: 1 #b07a18);
    border-color: #f2c14e; }
QRadioButton::indicator:disabled, QCheckBox::indicator:disabled {
    border-color: #2c3756; background: #121a2c; }
QRadioButton::indicator:checked:disabled, QCheckBox::indicator:checked:disabled {
    background: #5d6784; }
QPushButton {
    color: #f4ecd0; background: #2b3a5e; border: 1px solid #6d83b8; border-radius: 4px;
    padding: 3px 14px; font-weight: bold; }
QPushButton:hover { background: #3a4e7c; }
QPushButton:pressed { background: #1c2640; }
QPushButton:focus, QLineEdit:focus, QSpinBox:focus, QComboBox:focus { border-color: #f2c14e; }
QRadioButton:focus, QCheckBox:focus { color: #fff3c4; }
QPushButton:disabled { color: #5d6784; background: #161e32; border-color: #2c3756; }
QLineEdit, QSpinBox, QComboBox {
    color: #ffe9a8; background: #0a1020; border: 1px solid #3c4d74; border-radius: 3px;
    padding: 2px 4px; selection-background-color: #7a5410; }
QLineEdit:disabled, QSpinBox:disabled, QComboBox:disabled { color: #5d6784; background: #121a2c; }
QComboBox QAbstractItemView { color: #e9e2c8; background: #182238;
    selection-background-color: #7a5410; }
QTabWidget::pane { border: 2px solid #3c4d74; border-radius: 6px; background: #131c30; top: -2px; }
QTabBar::tab { color: #9fb3dd; background: #161e32; border: 2px solid #3c4d74;
    border-bottom: none; border-top-left-radius: 6px; border-top-right-radius: 6px;
    padding: 4px 16px; margin-right: 2px; font-weight: bold; }
QTabBar::tab:selected { color: #f2c14e; background: #131c30; }
QTabBar::tab:!selected { margin-top: 3px; }
)";

} // namespace

QString GameDialogStyle(int typePx) {
    return QString::fromLatin1(kStyle).arg(typePx);
}

} // namespace brinox
