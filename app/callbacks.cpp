#include "app/callbacks.h"

#include <GL/freeglut.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/fullscreen.h"
#include "app/music_start.h"
#include "app/options.h"
#include "app/replay_commands.h"
#include "app/smooth_frames.h"
#include "app/sniper_gamesystem.h"
#include "platform/display.h"
#include "platform/pointer.h"

void display() {
  if (!smooth_display()) sys.display();
  glutSwapBuffers();
}

void resize(int w, int h) { sys.resize(w, h); }

void keyboard(unsigned char key, int x, int y) { sys.keyboard(key, x, y); }

void special(int key, int, int) {
  if (key == GLUT_KEY_F11) toggle_fullscreen();
}

void mouse(int button, int state, int x, int y) { sys.mouse(button, state, x, y); }

void mousemove(int _x, int _y) {
  sys.mouse_move(_x, _y);
  smooth_aim_input();
}

void timer(int value) {
  // Once the window is closed a tick can still come before the main loop
  // returns; with no window there is nothing left to run or to redraw.
  if (glutGetWindow() == 0) return;
  platform::pointer_poll();
  smooth_before_tick();
  sys.timer(value);
  smooth_after_tick();
  glutPostRedisplay();
  glutTimerFunc(100, timer, 0);
}

namespace {

const char* program_name = "quorrelstead";

// The toolkit's own report and status, word for word, once the music start
// has finished. A handler of ours must end the process itself: the toolkit
// would carry on past the error.
[[noreturn]] void report_toolkit_error(const char* format, va_list args) {
  finish_music_start();
  std::fprintf(stderr, "freeglut (%s): ", program_name);
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
  std::exit(1);
}

}  // namespace

int run_game(int argc, char** argv) {
  const ParsedOptions parsed = parse_options(argc, argv);
  if (!parsed.error.empty()) {
    std::cerr << "quorrelstead: " << parsed.error << "\n";
    return usage_error_status;
  }
  if (parsed.options.help) {
    print_usage(std::cout);
    return 0;
  }
  // Console texts follow the user's locale; nothing else depends on it.
  std::setlocale(LC_CTYPE, "");
  // Checked before any window or sound device is opened.
  if (!parsed.options.verify_file.empty()) return verify_replay(parsed.options.verify_file, std::cout, std::cerr);
  replay::Replay watched;
  const bool watching = !parsed.options.replay_file.empty();
  if (watching && !load_replay(parsed.options.replay_file, watched, std::cerr)) return bad_replay_status;
  const std::string no_window = platform::display_problem();
  if (!no_window.empty()) {
    std::cerr << "quorrelstead: " << no_window << "\n";
    return no_display_status;
  }
  glutInitWindowPosition(1, 1);
  glutInitWindowSize(600, 600);
  // Sound and window open side by side: the toolkit's start loads the GL
  // driver. The locale was set above, before another thread could read it.
  program_name = argv[0];
  glutInitErrorFunc(report_toolkit_error);
  start_music_in_background(sys.bgm);
  // The toolkit sees no arguments: every one was the game's.
  int glut_argc = 1;
  glutInit(&glut_argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("Quorrelstead");
  if (parsed.options.fullscreen) toggle_fullscreen();
  // Closing the window returns from the main loop, so the ending below runs.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  // A watched run turns only by its recorded inputs: the viewer's mouse is
  // not read.
  platform::set_pointer_backend(&platform::glut_pointer_backend(parsed.options.raw_motion && !watching));
  glutDisplayFunc(display);
  glutReshapeFunc(resize);
  glutKeyboardFunc(keyboard);
  glutSpecialFunc(special);
  glutMouseFunc(mouse);
  glutPassiveMotionFunc(mousemove);
  // With a button held the pointer still aims (and its pull-back echoes must
  // still be seen), so held motion goes the same way.
  glutMotionFunc(mousemove);
  glutTimerFunc(100, timer, 0);
  if (watching) {
    sys.init_replay(watched);
  } else {
    sys.init();
  }
  if (parsed.options.smooth) smooth_frames_start();
  glutMainLoop();
  // The toolkit has closed its connection to the window system.
  platform::set_pointer_backend(nullptr);
  sys.end();
  return 0;
}
