#include "world/sniper_field.h"

#include <typeinfo>

#include "sound/effect.h"
#include "world/building.h"
#include "world/saturating.h"
#include "world/tama.h"

namespace {

// The arena persons must not leave; the edges themselves are inside.
bool outside_arena(const VECTORD& p) { return p.x < -60.0 || p.x > 60.0 || p.y < -5.0; }

// Lives added when the combo has just reached the count.
int combo_bonus(int combo) {
  switch (combo) {
    case 5: return 1;
    case 10: return 2;
    case 20: return 3;
    case 30: return 5;
    case 50: return 10;
    default: return 0;
  }
}

}  // namespace

int Sniper_Field::move() {
  --clearcount;
  launch();
  move_persons();
  move_bullets();
  return 0;
}

void Sniper_Field::launch() {
  for (Canon& canon : canonset) {
    if (std::unique_ptr<buttai> person = canon.timer()) {
      hitoset.push_back(std::move(person));
      remain = saturating_add(remain, -1);
    }
  }
}

void Sniper_Field::move_persons() {
  for (auto it = hitoset.begin(); it != hitoset.end();) {
    buttai& person = **it;
    if (person.life <= 0.0) {
      it = hitoset.erase(it);
    } else if (outside_arena(person.pos)) {
      play_effect("cap.wav");
      --lives;
      combo = 0;
      it = hitoset.erase(it);
    } else {
      person.move();
      ++it;
    }
  }
}

void Sniper_Field::move_bullets() {
  for (auto it = tamaset.begin(); it != tamaset.end();) {
    buttai& bullet = **it;
    if (bullet.life <= 0.0) {
      // Spent by a hit (0) leaves quietly; a miss breaks the combo.
      if (bullet.life <= tama::kMissed) combo = 0;
      it = tamaset.erase(it);
      continue;
    }
    bullet.move();
    for (const auto& person : hitoset) {
      if (bullet.stumb(person.get())) {
        ++hits;
        bullet.action();
        person->action();
        score_hit();
      }
    }
    bullet.prevpos = bullet.pos;
    ++it;
  }
}

void Sniper_Field::score_hit() {
  ++combo;
  if (const int bonus = combo_bonus(combo)) {
    lives += bonus;
    play_effect("life.wav");
  }
}

int Sniper_Field::draw_buttai() {
  for (const auto& obj : hitoset) obj->draw();
  for (const auto& obj : tamaset) obj->draw();
  for (const auto& obj : buildingset) obj->draw();
  return 0;
}

int Sniper_Field::buttai_del() {
  hitoset.clear();
  tamaset.clear();
  buildingset.clear();
  canonset.clear();
  return 0;
}

int Sniper_Field::buttai_insert(std::unique_ptr<buttai> obj) {
  if (!obj) return 0;
  const buttai& object = *obj;
  const std::type_info& type = typeid(object);
  if (type == typeid(tama)) {
    tamaset.push_front(std::move(obj));
  } else if (type == typeid(building)) {
    buildingset.push_front(std::move(obj));
  } else {
    hitoset.push_front(std::move(obj));
  }
  return 0;
}

int Sniper_Field::canon_insert(const Canon& c) {
  canonset.push_back(c);
  return 0;
}

bool Sniper_Field::stageend() const { return hitoset.empty() && remain <= 0; }

bool Sniper_Field::tamaset_empty() const { return tamaset.empty(); }
