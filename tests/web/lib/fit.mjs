// The lesson's window fitted to the view: as large as the view allows at its
// own ratio, centred, with nothing to scroll. Read from the page
// and checked here, so that the same check runs in every engine.

import { WEBKIT_MIN_WIDTH } from './engines.mjs';
import { lessonTables } from './pupil.mjs';

const { width, height } = lessonTables().window;
const RATIO = width / height;

// The views of a projector, two laptops, a tablet either way up and a phone
// (CSS px). MiniBrowser's window cannot be narrower than WEBKIT_MIN_WIDTH:
// there the phone's view is as narrow as WebKit allows, at the same height.
export function fitCases(engine) {
  const cases = [[1920, 1080], [1366, 768], [1180, 820], [820, 1180], [390, 844]];
  return cases.map(([w, h]) => [engine === 'webkit' ? Math.max(w, WEBKIT_MIN_WIDTH) : w, h]);
}

export const measureFit = (engine, selector = '#lesson') => engine.evaluate((selector) => {
  const r = document.querySelector(selector).getBoundingClientRect();
  const d = document.documentElement;
  return { x: r.x, y: r.y, width: r.width, height: r.height, innerWidth, innerHeight,
           scrollWidth: d.scrollWidth, scrollHeight: d.scrollHeight,
           clientWidth: d.clientWidth, clientHeight: d.clientHeight };
}, selector);

// What is wrong with the fit measured, [] when nothing. Lengths are allowed
// a pixel either way (layout rounds to device pixels).
export function fitProblems(m, tolerance = 1) {
  const out = [];
  const near = (a, b) => Math.abs(a - b) <= tolerance;
  const left = m.x, right = m.innerWidth - (m.x + m.width);
  const top = m.y, bottom = m.innerHeight - (m.y + m.height);
  if (!near(left, right))
    out.push(`not centred across: ${left} px left, ${right} px right`);
  if (!near(top, bottom))
    out.push(`not centred down: ${top} px above, ${bottom} px below`);
  // The ratio to a pixel of the longer side.
  if (Math.abs(m.width - m.height * RATIO) > tolerance * RATIO + tolerance)
    out.push(`ratio ${(m.width / m.height).toFixed(4)} for ${RATIO.toFixed(4)} (${m.width} × ${m.height})`);
  if (!near(m.width, m.innerWidth) && !near(m.height, m.innerHeight))
    out.push(`fills neither axis: ${m.width} × ${m.height} in ${m.innerWidth} × ${m.innerHeight}`);
  // Against the view's own scroll size: a zoomed WebKit rounds a view of
  // 578.7 CSS pixels down for innerWidth and up for an empty page's
  // scrollWidth and clientWidth.
  if (m.scrollWidth > m.clientWidth)
    out.push(`scrolls across: ${m.scrollWidth} > ${m.clientWidth}`);
  if (m.scrollHeight > m.clientHeight)
    out.push(`scrolls down: ${m.scrollHeight} > ${m.clientHeight}`);
  return out;
}

// How many device pixels down a column of a screenshot, from y0 to y1, are
// neither of the two colours of a line and its ground: the blur of a line
// stretched rather than drawn at its size.
export function blendedAcross(shot, x, y0, y1, line, ground, tolerance = 24) {
  const is = (p, c) => p.every((v, i) => Math.abs(v - c[i]) <= tolerance);
  let n = 0;
  for (let y = y0; y <= y1; y++) {
    const p = shot.at(x, y);
    if (!is(p, line) && !is(p, ground))
      ++n;
  }
  return n;
}
