#pragma once
// What the document needs from the window that shows it, without knowing the window.

class DocumentViews {
 public:
  virtual ~DocumentViews() = default;
  // Rebuild the property sheet and, when the document has data, reload both pages
  // from the working database.
  virtual void OnRefreshViews() = 0;
  // The modified flag changed (for the title bar); optional.
  virtual void OnModifiedChanged(bool /*modified*/) {}
};
