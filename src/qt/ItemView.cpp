#include "qt/ItemView.h"

#include <QApplication>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "qt/Mapping.h"

namespace qav::qt {

namespace {
Platform* gInputPlatform = nullptr;
bool gScripted = false;

UserInput* input() {
  return gInputPlatform ? gInputPlatform->userInput() : nullptr;
}
}  // namespace

void setInputPlatform(Platform* platform) {
  gInputPlatform = platform;
}

Refusal deliverInput(const UserAction& action, const std::function<void()>& fallback) {
  if (UserInput* in = input()) return in->perform(action);
  if (fallback) fallback();
  return Refusal::None;
}

Refusal checkInput(const UserAction& action) {
  UserInput* in = input();
  return in ? in->check(action) : Refusal::None;
}

void setScriptedInput(bool scripted) {
  gScripted = scripted;
}

bool scriptedInput() {
  return gScripted;
}

ItemView::ItemView(ItemModel& model, QWidget* widget, QPalette::ColorRole colourRole)
    : ModelTie(model), model_(model), widget_(widget), colourRole_(colourRole) {
  model_.setObserver(this);
}

QString hintText(const std::string& hint) {
  const auto bar = hint.find('|');
  const QString text =
      qs(bar == std::string::npos ? std::string_view(hint) : std::string_view(hint).substr(0, bar));
  // A tooltip shows anything that looks like markup as rich text: such a hint is turned into
  // markup that shows it exactly as written.
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

QString withoutAccelerators(const std::string& caption) {
  const QString in = qs(caption);
  QString out;
  out.reserve(in.size());
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == QLatin1Char('&')) {
      if (i + 1 < in.size() && in[i + 1] == QLatin1Char('&')) {
        out += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    out += in[i];
  }
  return out;
}

void orderTabs(QWidget* client) {
  if (!client) return;
  std::vector<std::pair<int32_t, QWidget*>> items;
  for (QObject* child : client->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    auto* view = dynamic_cast<ItemView*>(child);
    if (w && view && !view->detached()) items.emplace_back(view->model().tabOrder(), w);
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < items.size(); ++i)
    QWidget::setTabOrder(items[i - 1].second, items[i].second);
}

void windowColourChanged(QWidget* client) {
  if (!client) return;
  for (QObject* child : client->children()) {
    auto* view = dynamic_cast<ItemView*>(child);
    if (view && !view->detached() && view->model().parentColour()) view->modelChanged(Attr::Colour);
  }
}

void ItemView::modelChanged(Attr what) {
  if (detached_ || !widget_) return;
  const bool outer = !applying_;
  applying_ = true;
  applyCommon(what);
  refresh(what);
  if (outer) applying_ = false;
}

void ItemView::applyCommon(Attr what) {
  QWidget* w = widget_;
  const bool all = what == Attr::All;
  // On a window with automatic scaling the items grow with it, place and size.
  const double scale = autoScaleOf(model_.parentWindow());
  if (all || what == Attr::Bounds)
    w->setGeometry(scaledRect(
        boundedRect(model_.left(), model_.top(), model_.width(), model_.height(), kMaxItemSide),
        scale, true));
  if (all || what == Attr::Enabled) w->setEnabled(model_.enabled());
  if (all || what == Attr::Font) {
    // With the parent-font switch the item shows its window's font.
    if (model_.parentFont()) {
      w->setFont(QFont());
    } else {
      QFont f = toQFont(model_.font());
      if (scale != 1.0 && f.pixelSize() > 0) f.setPixelSize(scaledLength(f.pixelSize(), scale));
      w->setFont(f);
    }
  }
  if (all || what == Attr::Colour || what == Attr::Font) {
    // Only the roles set here are the item's own; everything else comes from the window.
    QPalette pal;
    const QPalette app = QApplication::palette();
    const QWidget* parent = w->parentWidget();
    pal.setColor(colourRole_, model_.parentColour() && parent
                                  ? parent->palette().color(QPalette::Window)
                                  : toQColor(model_.colour(), app));
    if (!model_.parentFont()) {
      const QColor text = toQColor(model_.font().colour, app);
      pal.setColor(QPalette::WindowText, text);
      pal.setColor(QPalette::Text, text);
      pal.setColor(QPalette::ButtonText, text);
    }
    w->setPalette(pal);
  }
  if (all || what == Attr::Cursor) {
    if (auto shape = toCursorShape(model_.cursor()))
      w->setCursor(*shape);
    else
      w->unsetCursor();
  }
  if (all || what == Attr::Hint)
    w->setToolTip(model_.showHint() ? hintText(model_.hint()) : QString());
  if (all || what == Attr::Style) {
    // Labels, images and drawn items never take the focus; the others stop the Tab key
    // only with their tab-stop switch on.
    w->setFocusPolicy(!takesKeyboardFocus(model_) ? Qt::NoFocus
                      : model_.tabStop()          ? Qt::StrongFocus
                                                  : Qt::ClickFocus);
    if (what == Attr::Style) orderTabs(w->parentWidget());
  }
  if (all || what == Attr::Visible) w->setVisible(model_.visible());
}

}  // namespace qav::qt
