// Where the figure's elements lie, in twips on the picture area, from the
// construction itself: the fixed points and line ｎ at its angle, turned
// with 3.14 / 180 as a 32-bit float, as the lesson turns it.

export const M = [4500, 4000];
export const A = [7000, 2000];
export const B = [2000, 6000];
export const dToR = Math.fround(3.14 / 180);

// The point at `distance` twips from Ｍ along line ｎ at `kakudo` degrees.
export function onLineN(kakudo, distance) {
  const r = Math.fround(kakudo) * dToR;
  return [M[0] + distance * Math.cos(r), M[1] + distance * Math.sin(r)];
}

export function between(p, q, fraction) {
  return [p[0] + (q[0] - p[0]) * fraction, p[1] + (q[1] - p[1]) * fraction];
}

// Ｐ and Ｑ by the intersection rule: Ｍ + (h − My) · tan((90 − kakudo) · dToR)
// along x, rounded to the nearest integer, a half to the even one.
export function crossings(kakudo) {
  const t = Math.tan(Math.fround(90 - kakudo) * dToR);
  const round = (x) => {
    const f = Math.floor(x);
    const d = x - f;
    return d > 0.5 || (d === 0.5 && f % 2 !== 0) ? f + 1 : f;
  };
  return { Px: round(-2000 * t + M[0]), Qx: round(2000 * t + M[0]) };
}
