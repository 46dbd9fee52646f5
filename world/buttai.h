#pragma once
// The base of everything that flies in the play field: kinematic state, the
// nine motion patterns, the swept hit test and drawing as a lit sphere.
// The eighteen virtual operations keep a fixed slot order; every kind
// overrides single steps and inherits the rest.
#include "world/vectord.h"

// Hits reported by stumb since the program started; never reset.
extern int shothitg;

class buttai {
 public:
  buttai();

  virtual void syoki();  // derives dt, radius and the pattern clock from the creator's fields
  virtual void move();   // one tick by the pattern that `pattern` names
  virtual void movepart1();
  virtual void movepart2();
  virtual void movepart3();
  virtual void movepart4();
  virtual void movepart5();
  virtual void movepart6();
  virtual void movepart7();
  virtual void movepart8();
  virtual void movepart9();
  virtual void action();  // reaction to a hit
  virtual void draw();    // draw1, draw2, draw3
  virtual void draw1();   // push the matrix and move to pos
  virtual void draw2();   // colour and shape
  virtual void draw3();   // pop the matrix
  // Swept test of this object's last step, prevpos to pos, against the
  // other object where it stands now. A hit plays "ata.wav", counts in
  // shothitg and writes "ヒット"; the other object is left alone.
  virtual bool stumb(buttai* input_buttai);
  // Colour hook for draw2: may store components through any of the pointers.
  virtual void calc(double* r, double* g, double* b, double* a);
  virtual ~buttai();

  VECTORD dt;       // time step per tick, per axis
  double life;      // > 0 alive; <= 0 dead; -1000 marks a bullet that left the arena
  VECTORD pos;
  VECTORD size;     // read by syoki only, to derive radius
  VECTORD vel;
  VECTORD accel;
  double radius;    // sphere radius and hit radius (a cube's edge for buildings)
  double slices;    // sphere tessellation, truncated
  double phase;     // motion pattern clock
  int dirx;         // per-axis signs of patterns 6 to 9
  int dirz;
  int kind;         // spawner kind of a person; read by nothing
  int pattern;      // 1 to 9; anything else moves ballistically (pattern 5)
  VECTORD prevpos;  // start of the segment that stumb sweeps

 protected:
  // The effects of a reported hit: sound, counter and console line.
  static void announce_hit();
  // Glues the sphere every kind but the building is drawn as.
  void draw_sphere(const float (&color)[4]) const;
};
