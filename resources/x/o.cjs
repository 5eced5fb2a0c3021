/* Quorvane skin: a Qt style sheet applied to the input window when this file
   sits in the x/ folder next to the program. Remove the file for the plain look.
   Backgrounds of the window, frames and labels are not set here: the program
   gives them the desktop's button-face colour. */

QPushButton {
    color: #10243e;
    border: 1px solid #7d8fa8;
    border-radius: 4px;
    padding: 2px 10px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #fdfdfe, stop: 1 #dfe5ee);
}
QPushButton:hover {
    border-color: #2f5f9e;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #e8eef8);
}
QPushButton:pressed {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #d3dbe7, stop: 1 #eef2f7);
}
QPushButton:focus {
    border: 2px solid #2f5f9e;
}
QPushButton:disabled {
    color: #8a94a3;
    border-color: #b8c1cd;
}

QGroupBox {
    border: 1px solid #a9b4c4;
    border-radius: 5px;
    margin-top: 7px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 9px;
    padding: 0 4px;
    color: #1f3a68;
}

QLineEdit {
    border: 1px solid #9aa6b6;
    border-radius: 3px;
    padding: 1px 4px;
    background: #ffffff;
    selection-background-color: #2f5f9e;
    selection-color: #ffffff;
}
QLineEdit:focus {
    border: 1px solid #2f5f9e;
}
