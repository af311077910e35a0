#pragma once
// The look shared by every calculator window: white entry fields, grey read-only result
// fields that Tab skips, the yellow field of a quantity being computed, and the standard
// window margins.

class QLineEdit;
class QWidget;
class QLayout;

namespace kestrel {

/// An editable entry field: white, in the Tab order.
void setInputStyle(QLineEdit* field);
/// A result field: read-only, light grey, skipped by Tab.
void setResultStyle(QLineEdit* field);
/// The field of the quantity a calculator computes: yellow, read-only, skipped by Tab.
void setComputeTargetStyle(QLineEdit* field);

/// Standard margins and spacing of a window's top layout.
void setWindowMargins(QLayout* layout);

}  // namespace kestrel
