// Instantiation: window records configure the main window or make a new window; item records
// become the items that scripts address, placed on their windows and bound to the dispatch.
#include "runtime/Instantiate.h"
#include "items/ItemKind.h"
#include "items/Ivent.h"
#include "items/NewData.h"
#include "items/RecordComponent.h"
#include "items/controls/RunPage.h"
#include "items/graphic/Rounding.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/Hub.h"
#include "stream/LoadError.h"
#include "stream/RecordProps.h"

namespace qav {
namespace {

// A tab of a page control: only its name lives in the component list.
class TabSheet : public Component {
 public:
  TabSheet() : Component(std::string(cls::kTab)) {}
};

const std::string kParentName = "ParentName";

void hintRule(ItemModel& item) {
  if (!item.hint().empty()) item.setShowHint(true);
}

}  // namespace

std::string Instantiation::EventCreate(const Record& record) {
  const ItemKind* kind = itemKind(record.className);
  if (!kind || !kind->hasParent) return {};
  const Value* v = record.find(kParentName);
  return (v && v->isText()) ? v->text : std::string();
}

void Instantiation::Setting(ItemModel& control, const Record& record, WindowModel& window) {
  control.setParentWindow(&window);
  const std::string& c = record.className;
  if (c == cls::kRadioButton || c == cls::kWatch) {
    // Radio buttons and clocks are placed here although projects were built for a player
    // that left them unnamed and unplaced: a run-time name that another component already
    // uses must not stop the load, so such an item keeps its stream name.
    try {
      hub_.components().rename(control, CutName(record.name));
    } catch (const LoadError&) {
    }
  } else {
    hub_.components().rename(control, CutName(record.name));
  }
  RecordProps rp(record);
  control.setLeft(rp.integer("Left"));
  control.setTop(rp.integer("Top"));
  control.setWidth(rp.integer("Width"));
  control.setHeight(rp.integer("Height"));
}

void Instantiation::CreateWindowRecord(Record record) {
  const bool isStart = CutName(hub_.StartWindowName()) == CutName(record.name);
  WindowModel* target = &hub_.mainWindow();
  if (isStart) {
    std::string name = CutName(record.name);
    if (!isIdentifier(name)) throw LoadError("\"" + name + "\" is not a valid component name");
    hub_.mainWindow().setName(std::move(name));
  } else {
    auto w = std::make_unique<WindowModel>(std::string(cls::kForm));
    target = w.get();
    hub_.components().add(std::move(w));
    hub_.components().rename(*target, CutName(record.name));
  }
  CreateComponent(*target, record, nullptr);
}

namespace {

// A page control made from its design record, with a listed tab for each of its pages.
void placePage(Hub& hub_, Instantiation& in, const Record& record, const RecordProps& rp,
               WindowModel& window) {
  auto owned = std::make_unique<TRunPage>(record);
  TRunPage& page = *owned;
  hub_.components().add(std::move(owned));
  in.Setting(page, record, window);
  hintRule(page);
  for (std::size_t i = 0; i < page.tabs().size(); ++i) {
    auto tab = std::make_unique<TabSheet>();
    tab->setName(page.tabName(i));
    hub_.components().addNamed(std::move(tab));
  }
  // Only a page whose first tab shows a plain window is sized, shows its active tab's
  // window and follows tab changes; any other stays a bare tab strip.
  Component* first = page.tabs().empty() ? nullptr : hub_.FindControl(page.tabs().front().window);
  const bool plain = isPlainWindow(first);
  if (plain) {
    auto& w = static_cast<WindowModel&>(*first);
    // Sizes come from the project: kept inside 32 bits at the edge of the range.
    page.setBounds(page.left(), page.top(), graphic::add(w.width(), TRunPage::kExtraWidth),
                   graphic::add(w.height(), TRunPage::kExtraHeight));
    page.chooseActiveTab(rp.text("ActivePage"));
  }
  // The view first: the window of the active tab is then shown inside it from the start,
  // never for a moment as a window of its own.
  hub_.platform().createItemView(page);
  if (plain) {
    hub_.dispatch().embedActivePage(page);
    EventDispatch& dispatch = hub_.dispatch();
    page.setChangeHandlers([&dispatch](TRunPage& p) { dispatch.PageChangeBefore(p); },
                           [&dispatch](TRunPage& p) { dispatch.PageChangeAfter(p); });
  }
}

}  // namespace

void Instantiation::CreateComponent(Component& loaded, const Record& record, WindowModel* window) {
  const std::string& c = record.className;
  RecordProps rp(record);

  if (!window) {  // a window record configures the window already named and listed
    auto& w = static_cast<WindowModel&>(loaded);
    w.setCaption(rp.text("Title"));
    if (std::string icon = rp.text("Icon"); !icon.empty()) {
      std::string error;
      auto pic = hub_.platform().loadPicture(icon, error);
      if (!pic)
        throw LoadError::ofRecord(record.name, c, std::string(msg::kIconUnreadable) + icon, error);
      w.setIcon(std::move(*pic));
    }
    w.setFont(rp.font(w.font()));
    w.setColour(static_cast<uint32_t>(rp.integer("Color")));
    // The designed panel is the window's client area, for the main window too: the view adds
    // its own frame and, on the main window, the player's menu bar around it.
    w.setBounds(rp.integer("Left"), rp.integer("Top"), rp.integer("Width"), rp.integer("Height"));
    w.setAutoScale(rp.boolean("AutoSize"));
    w.setCursor(static_cast<int16_t>(rp.integer("Cursor")));
    w.setCentred(rp.boolean("Center"));
    w.setStayOnTop(rp.boolean("AlwaysOnTop"));
    switch (rp.integer("WindowState")) {
      case 0:
        w.setBorderStyle(BorderStyle::None);
        break;
      case 1:
        w.setBorderStyle(BorderStyle::Single);
        break;
      case 2:
        w.setBorderStyle(BorderStyle::Sizeable);
        break;
      default:
        break;  // any other value keeps the border the window has
    }
    BorderIcons icons;
    icons.systemMenu = rp.boolean("SystemButton");
    icons.minimize = rp.boolean("MinButton");
    icons.maximize = rp.boolean("MaxButton");
    icons.help = rp.boolean("HelpButton");
    w.setBorderIcons(icons);
    auto holder = std::make_unique<TIvent>();
    holder->setName(std::string(msg::kEventHolderPrefix) + w.name());
    holder->setData(rp.lines("Ivent1"));
    hub_.components().addNamed(std::move(holder));
    hub_.dispatch().bind(w);
    if (!w.isMain()) hub_.platform().createWindowView(w);
    return;
  }

  // Items whose record is itself the live item.
  auto placeLive = [&](ItemModel& item, bool bound) {
    if (auto* design = dynamic_cast<DesignFlags*>(&item)) design->applyDesignFlags();
    if (bound) hub_.dispatch().bind(item);
    Setting(item, record, *window);
    hintRule(item);
    hub_.platform().createItemView(item);
  };
  // Run-time objects made from a design record, named after it; the record stays listed.
  auto adopt = [&](std::unique_ptr<ItemModel> obj) -> ItemModel& {
    ItemModel& ref = *obj;
    hub_.components().add(std::move(obj));
    hub_.components().rename(ref, CutName(record.name));
    return ref;
  };

  const ItemKind* kind = itemKind(c);
  switch (kind ? kind->placement : Placement::Listed) {
    case Placement::LiveBound:
    case Placement::Live:
      placeLive(static_cast<ItemModel&>(loaded), kind->placement == Placement::LiveBound);
      break;
    case Placement::Control: {
      std::unique_ptr<ItemModel> obj = kind->runtime(record);
      ItemModel& item = *obj;
      hub_.components().add(std::move(obj));
      Setting(item, record, *window);
      hub_.dispatch().bind(item);
      hintRule(item);
      hub_.platform().createItemView(item);
      break;
    }
    case Placement::Driver: {
      // An alarm's ticks go through OnAlarm, which reports a due alarm to the bound handler.
      ItemModel& t = adopt(kind->runtime(record));
      hub_.dispatch().bind(t);
      hub_.platform().createItemView(t);
      break;
    }
    case Placement::Sound: {
      ItemModel& s = adopt(kind->runtime(record));
      s.setParentWindow(window);
      s.setVisible(false);
      hub_.platform().createItemView(s);
      break;
    }
    case Placement::Data:
      static_cast<TNewData&>(loaded).unpackSlots();  // a failure names the record's stream name
      hub_.components().rename(loaded, CutName(record.name));
      break;
    case Placement::Page:
      placePage(hub_, *this, record, rp, *window);
      break;
    case Placement::Listed:
      break;  // file dialogs, stores, paint boxes stay listed and unplaced
  }
}

void Instantiation::PlaceItemRecord(Record record) {
  if (record.className == cls::kPanel) return;
  // The loaded object: the live item itself for record-and-live classes, else the record.
  std::unique_ptr<Component> obj = loadComponent(record);
  obj->setName(record.name);
  Component& loaded = hub_.components().addNamed(std::move(obj));

  const std::string parent = EventCreate(record);
  if (parent.empty()) return;
  if (CutName(hub_.StartWindowName()) == CutName(parent)) {
    CreateComponent(loaded, record, &hub_.mainWindow());
    return;
  }
  // The windows listed before this record; components added while placing it are not visited.
  const std::size_t count = hub_.components().size() - 1;
  const std::string windowName = CutName(parent);
  for (std::size_t i = 0; i < count; ++i) {
    Component* w = hub_.components().items()[i];
    if (w->className() == cls::kForm && w->name() == windowName)
      CreateComponent(loaded, record, static_cast<WindowModel*>(w));
  }
}

}  // namespace qav
