// Reading back the images the tests get: the PNG screenshots the drivers hand
// back, and the PPM that pdftoppm writes. at(x, y) gives [r, g, b].

import { PNG } from 'pngjs';

const image = (width, height, data, channels) => ({
  width, height,
  at(x, y) {
    const i = (y * width + x) * channels;
    return [data[i], data[i + 1], data[i + 2]];
  },
});

export function decodePng(buf) {
  const { width, height, data } = PNG.sync.read(buf);
  return image(width, height, data, 4);
}

export function decodePpm(buf) {
  const header = buf.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header)
    throw new Error('not a binary PPM');
  return image(Number(header[1]), Number(header[2]), buf.subarray(header[0].length), 3);
}
