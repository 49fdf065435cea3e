// The assignment statement "정의" target "=" source beyond a text into a text: values move by
// the pair of type letters of target and source; fonts, pictures and lists go through the
// run's buffers.
#include "base/Text.h"
#include "items/ItemModel.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "script/Interpreter.h"
#include "script/ItemKinds.h"
#include "script/StatementSupport.h"
#include "stores/MainData.h"

namespace qav::script {
namespace {

ItemModel* itemOf(Interpreter& in, std::string_view ref) {
  Component* c = in.host().FindControl(splitReference(ref).qualifier);
  return (c && c->isItem()) ? static_cast<ItemModel*>(c) : nullptr;
}

bool allowed(char target, char source) {
  if (target == source) return true;
  return (target == 'I' && source == 'S') || (target == 'S' && source == 'C') ||
         (target == 'C' && source == 'S') || (target == 'S' && source == 'T') ||
         (target == 'T' && source == 'S');
}

}  // namespace

void assignTyped(Interpreter& in) {
  const Tokens& t = in.tokens();
  const std::string target = variableRef(t, 2);
  std::string sourceText = text::trimmed(t.joinFrom(4));
  char sourceType = 'S';
  std::string choiceText;
  for (int i = 4; i <= t.count(); ++i) {
    const std::string& tok = t[i];
    char type = 'S';
    char letter = in.TypeCheck(tok);
    if (letter == 'X') {
      type = 'X';
      in.Error(msg::kNotAssignable);
    } else if (letter == 'C' || letter == 'F' || letter == 'I' || letter == 'T') {
      if (letter == 'C') {
        type = 'C';
        choiceText = Propertys(in.host(), tok);
      } else if (ItemModel* item = itemOf(in, tok)) {
        type = letter;
        if (letter == 'F' && carriesFont(*item)) {
          in.fontBuffer() = item->font();
        } else if (letter == 'I') {
          Picture p;
          if (getPicture(*item, p)) in.imageBuffer() = std::move(p);
        } else if (letter == 'T') {
          std::vector<std::string> lines;
          if (getLines(*item, lines)) in.listBuffer() = std::move(lines);
        }
      } else {
        type = 'X';
      }
      if (t.count() != 4) in.Error(msg::kNoArithmetic);
    }
    sourceType = type;
    if (in.AbortRequested()) return;
  }
  if (sourceType == 'X') return in.Error(msg::kNoFinalValue);

  char targetType = in.TypeCheck(target);
  if (!allowed(targetType, sourceType)) return in.Error(msg::kTypeMismatch);

  auto setChoice = [&](const std::string& v) {
    if (in.ListCheck(target, v)) {
      PropertySet(in.host(), target, v);
    } else if (MainData* s = in.host().settings(); s && s->option(1)) {
      in.Error(target + std::string(msg::kNotAChoice));
    }
  };

  switch (targetType) {
    case 'S':
      if (sourceType == 'S')
        PropertySet(in.host(), target, in.Maths(sourceText));
      else if (sourceType == 'C')
        PropertySet(in.host(), target, choiceText);
      else
        PropertySet(in.host(), target,
                    ConvertLineBreaks(text::joinLines(in.listBuffer()), LineBreaks::ToOneLine));
      break;
    case 'C':
      // A choice from a choice is checked like a typed value.
      setChoice(sourceType == 'S' ? in.Maths(sourceText) : choiceText);
      break;
    case 'I': {
      ItemModel* item = itemOf(in, target);
      Picture current;
      if (!item || !getPicture(*item, current)) break;
      if (sourceType == 'I') {
        setPicture(*item, in.imageBuffer().value_or(Picture{}));
      } else {
        std::string error;
        auto pic = in.host().platform().loadPicture(in.Maths(sourceText), error);
        if (!pic) throw ItemError(error);
        setPicture(*item, *pic);
      }
      break;
    }
    case 'F': {
      ItemModel* item = itemOf(in, target);
      if (item && carriesFont(*item)) item->setFont(in.fontBuffer());
      break;
    }
    case 'T': {
      ItemModel* item = itemOf(in, target);
      if (!item) break;
      if (sourceType == 'T')
        setLines(*item, in.listBuffer());
      else
        setLines(*item,
                 text::splitLines(ConvertLineBreaks(in.Maths(sourceText), LineBreaks::ToLines)));
      break;
    }
    default:
      break;
  }
}

}  // namespace qav::script
