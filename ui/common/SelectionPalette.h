#pragma once
// Lists whose selected row stays marked while another control has the
// focus (the step list, the field inspector's table).

class QWidget;

// The highlight of `view` looks the same with and without the focus.
void keepSelectionVisible(QWidget& view);
