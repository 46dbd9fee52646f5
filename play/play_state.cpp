#include "play/play_state.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <utility>

#include "platform/console.h"
#include "platform/encoding.h"
#include "platform/pointer.h"
#include "play/play_view.h"
#include "play/results.h"
#include "score/result_record.h"
#include "sound/effect.h"
#include "states/gamesystem.h"
#include "states/menu_state.h"
#include "states/progress.h"
#include "world/angle.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/stage_install.h"
#include "world/stage_reader.h"
#include "world/tama.h"

namespace {

// The music is restarted every this many ticks: 110 seconds of play.
constexpr std::int32_t music_period = 1100;
constexpr std::int32_t stage_clear_banner_ticks = 30;

}  // namespace

void Play_State::state_init(Gamesystem* sys) {
  std::ifstream file(sys->stagefile);
  if (!file.is_open()) {
    platform::console_line("file error");
    std::exit(-1);
  }
  // The whole text is kept: courses are small, and a replay carries it.
  std::ostringstream text;
  text << file.rdbuf();
  begin_course(text.str(), sys);
}

void Play_State::begin_course(const std::string& text, Gamesystem* sys) {
  start_random_state = random15_state();
  course_text = text;
  stagein.clear();
  stagein.str(course_text);
  stagenum = read_stage_count(stagein);
  field.combo = 0;
  ammo = 0;
  stage = 0;
  shots = 0;
  field.lives = 5;
  yaw = 0;
  pitch = 0;
  turn = 0;
  eye = {0, 6, 0};
  field.hits = 0;
  platform::pointer_hide();
  buttaiinit();
  finished = false;
  allclear = false;
  if (firstinitfrag) {
    field.tick = 1;
    initscope();
    firstinitfrag = false;
  }
  ticks_played = 0;
  if (listener != nullptr) listener->course_started(*this, *sys);
}

void Play_State::resume_ticks(std::int32_t tick) {
  if (firstinitfrag) {
    initscope();
    firstinitfrag = false;
  }
  field.tick = tick;
}

void Play_State::heard(const replay::Input& input) {
  if (listener != nullptr) listener->input(*this, input);
}

void Play_State::buttaiinit() {
  const StageSection section = read_stage_section(stagein);
  ammo = saturating_add(ammo, section.bullets);
  install_stage_section(section, field);
}

void Play_State::mouse(int button, int state, int, int, Gamesystem*) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return;
  replay::Input click;
  click.tick = ticks_played;
  click.kind = replay::InputKind::click;
  heard(click);
  if (ammo <= 0 || finished) {
    play_effect("kara.wav");
    return;
  }
  fire();
}

void Play_State::fire() {
  std::unique_ptr<tama> bullet(new (std::nothrow) tama);
  if (bullet == nullptr) {
    platform::console_line("メモリ割り当てエラー");
    std::exit(-1);
  }
  play_effect("shot.wav");
  shots += 1;
  ammo -= 1;
  bullet->life = 1.0;
  bullet->pos = eye;
  bullet->size = 0.3;
  bullet->accel = 0.0;
  const double y = rad(yaw);
  const double p = rad(pitch);
  bullet->vel = {bullet_speed * std::sin(y) * std::cos(p), bullet_speed * -std::sin(p),
                 bullet_speed * -std::cos(y) * std::cos(p)};
  bullet->prevpos = bullet->pos;
  bullet->slices = 10;
  bullet->kind = 0;
  bullet->pattern = 0;
  bullet->syoki();
  field.buttai_insert(std::move(bullet));
}

void Play_State::mouse_move(int _x, int _y, Gamesystem* sys) {
  if (!pointer_seen) {
    pointer_seen = true;
    xo = _x;
    yo = _y;
  } else if (platform::pointer_take_echo(_x, _y)) {
    // The echo of a pull-back: only the reference moves.
    xo = _x;
    yo = _y;
    return;
  }
  // Each real movement counts from the previous event, so movements that
  // arrive in a burst before their echoes are neither lost nor doubled.
  turn_view(_x - xo, _y - yo);
  xo = _x;
  yo = _y;
  platform::pointer_warp(sys->width / 2, sys->height / 2);
}

void Play_State::turn_view(double dx, double dy) {
  replay::Input aim;
  aim.tick = ticks_played;
  aim.kind = replay::InputKind::aim;
  aim.dx = dx;
  aim.dy = dy;
  heard(aim);
  yaw += 2.0 * dx / 10.0;
  pitch += 2.0 * dy / 10.0;
  if (yaw < -45) yaw = -45;
  if (yaw > 45) yaw = 45;
  if (pitch < -60) pitch = -60;
  if (pitch > 20) pitch = 20;
}

void Play_State::keyboard(unsigned char key, int, int, Gamesystem* sys) {
  const bool quits = key == 27 || key == 'q' || key == 'Q';
  const bool answers = finished && (key == 'y' || key == 'Y' || key == 'n' || key == 'N');
  if (quits || answers) {
    replay::Input pressed;
    pressed.tick = ticks_played;
    pressed.kind = replay::InputKind::key;
    pressed.key = key;
    heard(pressed);
  }
  if (quits) std::exit(0);
  if (!finished) return;
  if (key == 'y' || key == 'Y') {
    field.buttai_del();
    state_init(sys);
  } else if (key == 'n' || key == 'N') {
    field.buttai_del();
    sys->nowstate = state_transfer(MENU);
  }
}

void Play_State::timer(int, Gamesystem* sys) {
  if (field.tick % music_period == 0) sys->bgm.Play();
  field.tick = (field.tick + 1) % 2147483647;
  ticks_played += 1;
  if (finished) return;

  if (field.stageend()) {
    if (stage + 1 == stagenum) {
      allclear = true;
      if (keep_results && sys->clearlevel < sys->level + 1) {
        // A failed write keeps the old file; the course still counts as done.
        write_progress_file(progress_file_name, sys->level + 1);
        sys->clearlevel = sys->level + 1;
      }
      finished = true;
    } else {
      platform::console_line("ステージクリア");
      field.clearcount = stage_clear_banner_ticks;
      stage += 1;
      field.buttai_del();
      buttaiinit();
    }
  }
  if (field.lives <= 0) finished = true;
  field.move();
  if (finished) end_course(sys);
}

void Play_State::end_course(Gamesystem* sys) {
  if (keep_results) {
    const std::int32_t rate = hit_rate(field.hits, shots);
    const clData record = result_record(stage, rate, platform::to_sjis(rank_title(stage).ranked));
    sys->score.inputdata(record);
    sys->score.outputdata();
  }
  // After the ranking has taken the result, which decides what is kept.
  if (listener != nullptr) listener->course_finished(*this);
}

void Play_State::display(Gamesystem* sys) { draw_frame(sys, nullptr, hud_values(*sys)); }

void Play_State::display(Gamesystem* sys, const Figure_Painter& figures, const HudValues& texts) {
  draw_frame(sys, &figures, texts);
}

void Play_State::draw_frame(Gamesystem* sys, const Figure_Painter* figures, const HudValues& texts) {
  static const float lightpos[4] = {3.0f, 40.0f, 5.0f, 1.0f};
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glRotated(turn, 0, 1, 0);
  glRotated(pitch, 1, 0, 0);
  glRotated(yaw, 0, 1, 0);
  glTranslated(-eye.x, -eye.y, -eye.z);
  glLightfv(GL_LIGHT0, GL_POSITION, lightpos);
  if (figures != nullptr) {
    figures->paint(field);
  } else {
    field.draw_buttai();
  }
  draw_hud(sys, texts);
  scene();
}
