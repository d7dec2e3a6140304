// Where the figure's elements lie, in twips on the picture area: the
// construction as the core's state holds it at the start, line ｎ turned
// with its radians per degree as the lesson turns it, and Ｐ and Ｑ as the
// native core places them.

import { lessonTables } from './pupil.mjs';

// The core's state at the start (state() of lesson.mjs) gives the construction.
export function construction(s) {
  const M = [s.Mx, s.My], A = [s.Ax, s.Yl], B = [s.Bx, s.Ym];
  // The point at `distance` twips from Ｍ along line ｎ at `kakudo` degrees.
  const onLineN = (kakudo, distance) => {
    const r = Math.fround(kakudo) * s.dToR;
    return [M[0] + distance * Math.cos(r), M[1] + distance * Math.sin(r)];
  };
  return { M, A, B, onLineN };
}

export function between(p, q, fraction) {
  return [p[0] + (q[0] - p[0]) * fraction, p[1] + (q[1] - p[1]) * fraction];
}

export function crossings(kakudo) {
  const [Px, Qx] = lessonTables().crossings[kakudo];
  return { Px, Qx };
}
