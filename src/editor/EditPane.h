#pragma once
// The edit pane as the editor's text model: its text with CR LF between
// lines, and selection offsets that count each CR LF as two characters, over
// a QPlainTextEdit whose blocks hold the lines. The pane's own undo is off:
// the editor keeps its own history.

#include <QPlainTextEdit>

class TEditPane : public QPlainTextEdit {
  Q_OBJECT

public:
  explicit TEditPane(QWidget* parent = nullptr);

  QString Text() const;
  // A different text collapses the selection to 0; the same text changes nothing.
  void SetText(const QString& text);
  int TextLength() const;
  int SelStart() const;
  int SelLength() const;
  QString SelText() const;
  // Selects [start, start + length) with the caret at the end, scrolled into view.
  void Select(int start, int length);
  // Replaces the selection; the caret ends after the inserted text.
  void ReplaceSelection(const QString& text);
  // Caret position in pane (viewport) coordinates.
  QPoint CaretPos() const;

Q_SIGNALS:
  void Clicked();          // a left-button click (after the caret moved)
  void MouseReleased();    // any mouse button released over the text

protected:
  bool event(QEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;

private:
  int ModelOffset(int docPos) const;
  int DocPos(int modelOffset) const;
};
