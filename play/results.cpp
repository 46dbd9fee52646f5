#include "play/results.h"

std::int32_t hit_rate(std::int32_t hits, std::int32_t shots) {
  if (shots == 0) return 0;
  return static_cast<std::int32_t>(static_cast<float>(hits * 100) / static_cast<float>(shots));
}

RankTitle rank_title(std::int32_t stage) {
  struct Row {
    std::int32_t last_stage;
    RankTitle title;
  };
  static const Row rows[] = {
      {1, {"称号:論外", "論外"}},
      {2, {"称号:へたれ", "へたれ"}},
      {3, {"称号:素人", "素人"}},
      {4, {"称号:一般人", "一般人"}},
      {5, {"称号:夜店の射撃名人", "夜店の射撃名人"}},
      {7, {"称号:警察官", "警察官"}},
      {10, {"称号:火縄銃使い", "火縄銃使い"}},
      {11, {"称号:マスケット銃士", "マスケット銃士"}},
      {12, {"称号:１等小銃兵", "1等小銃兵"}},
      {14, {"称号:１流スナイパー", "１流スナイパー"}},
      {16, {"称号:ダブルオーセブン", "ダブルオーセブン"}},
  };
  for (const Row& row : rows) {
    if (stage <= row.last_stage) return row.title;
  }
  return {"称号:ごるご１３", "ごるご１３"};
}
