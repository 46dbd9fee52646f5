#include "states/menu_texts.h"

#include "platform/encoding.h"

const std::vector<MenuText>& menu_texts() {
  static const std::vector<MenuText> texts = {
      {platform::to_sjis("Quorrelstead"), 0}, {platform::to_sjis("難易度選択"), 0},
      {platform::to_sjis("Basic(B)"), 0},     {platform::to_sjis("Advanced(A)"), 1},
      {platform::to_sjis("Sniper(S)"), 2},    {platform::to_sjis("Extreme(E)"), 3},
      {platform::to_sjis("終わる(Q)"), 0}};
  return texts;
}
