#include "play/smooth_view.h"

#include <GL/gl.h>

namespace {

// Draws each object, in the field's own order, at the place the motion gives
// it. An object drawn where it stands is drawn with the very same commands as
// in the plain frame.
class Interpolated_Figures final : public Figure_Painter {
 public:
  Interpolated_Figures(const Tick_Motion& motion, double fraction)
      : motion_(motion), fraction_(fraction) {}

  void paint(const Sniper_Field& field) const override {
    for (const auto* list : {&field.hitoset, &field.tamaset, &field.buildingset}) {
      for (const auto& object : *list) draw(*object);
    }
  }

 private:
  void draw(buttai& object) const {
    const VECTORD at = motion_.drawn_position(object, fraction_);
    if (at.x == object.pos.x && at.y == object.pos.y && at.z == object.pos.z) {
      object.draw();
      return;
    }
    // The object's own draw with the move to its position replaced.
    glPushMatrix();
    glTranslated(at.x, at.y, at.z);
    object.draw2();
    glPopMatrix();
  }

  const Tick_Motion& motion_;
  double fraction_;
};

}  // namespace

void Smooth_View::before_tick(const Play_State& play) {
  motion_.before_tick(play.field, play.stage);
}

void Smooth_View::after_tick(const Play_State& play, const Gamesystem& sys) {
  motion_.after_tick(play.field, play.stage);
  texts_ = play.hud_values(sys);
  ready_ = true;
}

void Smooth_View::forget() {
  motion_.forget();
  texts_ = HudValues{};
  ready_ = false;
}

void Smooth_View::display(Play_State& play, Gamesystem* sys, double fraction) const {
  play.display(sys, Interpolated_Figures(motion_, fraction), texts_);
}
