#include "play/play_state.h"

#include <GL/freeglut.h>

#include <algorithm>
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

// Motion events in a row that move the pointer with no raw motion before the
// game stops waiting for raw motion: a single one is the pointer coming back
// into the window, or a warp by another program. Raw movements are matched
// with motion events by count, since a tick may take a burst of them before
// the window's motion events come; the bound keeps movements against the
// window's edge, which move no pointer, from hiding a change of device.
constexpr int moves_to_give_up_raw_motion = 3;
constexpr int max_unmatched_raw_motion = 64;

// The aim's limits in pixels of pointer movement, at 0.2 degrees a pixel:
// yaw -45 to 45, pitch -60 to 20.
constexpr double yaw_limit_px = 225;
constexpr double pitch_low_px = -300;
constexpr double pitch_high_px = 100;

// Movements are summed in steps of 2^-32 pixel, the resolution of the raw
// motion the window system reports. Every sum of such steps within the aim's
// range is exact in a double, so the aim does not depend on how a movement is
// cut up or in which order its parts come, and a move and its exact reverse
// bring the view back bit for bit.
constexpr int step_bits = 32;
// Larger movements are no mouse's; the bound keeps every sum exact.
constexpr double max_step_px = 1 << 16;

double in_steps(double px) {
  const double bounded = std::clamp(px, -max_step_px, max_step_px);
  return std::ldexp(std::nearbyint(std::ldexp(bounded, step_bits)), -step_bits);
}

double degrees(double px) { return 2.0 * px / 10.0; }

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
  aim_x = 0;
  aim_y = 0;
  turn = 0;
  eye = {0, 6, 0};
  field.hits = 0;
  platform::pointer_hide();
  // Warps made before play (a resize in the menu, a pull-back whose echo came
  // after the course ended) are no echo to wait for now; nor are movements
  // made in the menu an aim.
  platform::pointer_forget_warps();
  platform::pointer_take_motion();
  unmatched_raw_motion = 0;
  moves_without_raw_motion = 0;
  platform::pointer_confine(true);
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
  // A shot goes where the movements made before it have turned the view.
  follow_pointer_motion();
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
    platform::pointer_confine(false);
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
  if (platform::pointer_reports_motion()) {
    place_pointer(_x, _y, sys);
    if (platform::pointer_reports_motion()) return;
    // Raw motion was given up: this event is the first of the old way.
    pointer_seen = false;
  }
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

void Play_State::follow_pointer_motion() {
  for (const platform::PointerMotion& motion : platform::pointer_take_motion()) {
    unmatched_raw_motion = std::min(unmatched_raw_motion + 1, max_unmatched_raw_motion);
    turn_view(motion.dx, motion.dy);
  }
}

void Play_State::place_pointer(int x, int y, Gamesystem* sys) {
  follow_pointer_motion();
  // A pull-back moves the pointer but is no movement of the mouse.
  const bool echo = platform::pointer_take_echo(x, y);
  const bool moved = pointer_seen && (x != xo || y != yo);
  if (echo || !moved) {
    // Nothing to match.
  } else if (unmatched_raw_motion > 0) {
    --unmatched_raw_motion;
    moves_without_raw_motion = 0;
  } else if (++moves_without_raw_motion == moves_to_give_up_raw_motion) {
    platform::pointer_give_up_raw_motion();
    moves_without_raw_motion = 0;
    return;
  }
  pointer_seen = true;
  xo = x;
  yo = y;
  recentre_near_edge(x, y, sys);
}

// Raw motion goes on at the window's edge, but a pointer that stays there
// would leave the window where confining it is not possible yet; well inside,
// it is left alone.
void Play_State::recentre_near_edge(int x, int y, const Gamesystem* sys) {
  const int margin_x = sys->width / 8;
  const int margin_y = sys->height / 8;
  if (x > margin_x && x < sys->width - margin_x && y > margin_y && y < sys->height - margin_y) {
    return;
  }
  platform::pointer_warp(sys->width / 2, sys->height / 2);
}

void Play_State::turn_view(double dx, double dy) {
  replay::Input aim;
  aim.tick = ticks_played;
  aim.kind = replay::InputKind::aim;
  aim.dx = dx;
  aim.dy = dy;
  heard(aim);
  // The aim may have been set directly (a new course, a test): go on from it.
  if (yaw != degrees(aim_x)) aim_x = in_steps(yaw * 5.0);
  if (pitch != degrees(aim_y)) aim_y = in_steps(pitch * 5.0);
  aim_x = std::clamp(aim_x + in_steps(dx), -yaw_limit_px, yaw_limit_px);
  aim_y = std::clamp(aim_y + in_steps(dy), pitch_low_px, pitch_high_px);
  yaw = degrees(aim_x);
  pitch = degrees(aim_y);
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
  if (quits) {
    platform::pointer_confine(false);
    std::exit(0);
  }
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
  follow_pointer_motion();
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
  // The results screen: the pointer is free to leave the window.
  platform::pointer_confine(false);
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
  // The frame shows every movement made up to now.
  follow_pointer_motion();
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
