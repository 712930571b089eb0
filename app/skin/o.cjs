/* Quillory's skin for the main window: a Qt style sheet. It is read from "x/o.cjs" beside
   the executable; without it the window keeps its plain white design. */

QPushButton {
    color: #1d3550;
    background-color: #ffffff;
    border: 1px solid #6f8aa6;
    border-radius: 3px;
}
QPushButton:hover {
    background-color: #e9f1fa;
    border-color: #2b5f8a;
}
QPushButton:pressed {
    background-color: #cfe0f1;
}
QPushButton:focus {
    border: 2px solid #2b5f8a;
}

QLineEdit, QPlainTextEdit, QTreeWidget {
    background-color: #ffffff;
    border: 1px solid #9aa8b6;
    selection-background-color: #2b5f8a;
    selection-color: #ffffff;
}
QLineEdit:focus, QPlainTextEdit:focus, QTreeWidget:focus {
    border: 1px solid #2b5f8a;
}

QHeaderView::section {
    background-color: #e4e9ef;
    color: #1d3550;
    border: 0;
    border-right: 1px solid #b9c4cf;
    border-bottom: 1px solid #b9c4cf;
    padding: 2px 4px;
}

QTabBar::tab {
    color: #1d3550;
    padding: 4px 10px;
}
QTabBar::tab:selected {
    color: #000000;
}
