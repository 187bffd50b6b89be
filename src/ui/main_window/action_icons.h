#pragma once

#include <QIcon>

namespace orv::ui {

enum class TActionIcon {
  New,
  Open,
  Save,
  SaveAs,
  Import,
  Catalogue,
  Exit,
  Add,
  Insert,
  Edit,
  Delete,
  Calculate,
  Language,
  Units,
  About,
  Help,
  Undo,
  Redo,
  Copy,
  PasteClipboard,
  None,
};

// The picture of a command: the style's standard icon where the style has a
// fitting one, otherwise a small drawing of our own.
QIcon ActionIcon(TActionIcon icon);

}  // namespace orv::ui
