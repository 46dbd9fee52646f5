#include "app/callbacks.h"

#include <GL/freeglut.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/music_start.h"
#include "app/options.h"
#include "app/sniper_gamesystem.h"
#include "platform/pointer.h"

void display() {
  sys.display();
  glutSwapBuffers();
}

void resize(int w, int h) { sys.resize(w, h); }

void keyboard(unsigned char key, int x, int y) { sys.keyboard(key, x, y); }

void mouse(int button, int state, int x, int y) { sys.mouse(button, state, x, y); }

void mousemove(int _x, int _y) { sys.mouse_move(_x, _y); }

void timer(int value) {
  // Once the window is closed a tick can still come before the main loop
  // returns; with no window there is nothing left to run or to redraw.
  if (glutGetWindow() == 0) return;
  sys.timer(value);
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
  // Closing the window returns from the main loop, so the ending below runs.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  platform::set_pointer_backend(&platform::glut_pointer_backend());
  glutDisplayFunc(display);
  glutReshapeFunc(resize);
  glutKeyboardFunc(keyboard);
  glutMouseFunc(mouse);
  glutPassiveMotionFunc(mousemove);
  // With a button held the pointer still aims (and its pull-back echoes must
  // still be seen), so held motion goes the same way.
  glutMotionFunc(mousemove);
  glutTimerFunc(100, timer, 0);
  sys.init();
  glutMainLoop();
  sys.end();
  return 0;
}
