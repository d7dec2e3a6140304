// Reading back the PNG screenshots that the browsers take: 8-bit RGB or
// RGBA, not interlaced, as all three engines write them.

import { inflateSync } from 'node:zlib';

export function decodePng(buf) {
  if (buf.readUInt32BE(0) !== 0x89504e47)
    throw new Error('not a PNG');
  let width = 0, height = 0, channels = 0;
  const idat = [];
  for (let i = 8; i < buf.length;) {
    const length = buf.readUInt32BE(i);
    const type = buf.toString('latin1', i + 4, i + 8);
    const data = buf.subarray(i + 8, i + 8 + length);
    if (type === 'IHDR') {
      width = data.readUInt32BE(0);
      height = data.readUInt32BE(4);
      const [depth, colourType, , , interlace] = data.subarray(8);
      channels = { 2: 3, 6: 4 }[colourType];
      if (depth !== 8 || !channels || interlace !== 0)
        throw new Error(`PNG of depth ${depth}, colour type ${colourType}, interlace ${interlace}`);
    } else if (type === 'IDAT') {
      idat.push(data);
    }
    i += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const px = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; x++) {
      const a = x >= channels ? px[y * stride + x - channels] : 0;
      const b = y > 0 ? px[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? px[(y - 1) * stride + x - channels] : 0;
      let v = line[x];
      if (filter === 1) v += a;
      else if (filter === 2) v += b;
      else if (filter === 3) v += (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        v += pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      px[y * stride + x] = v & 0xff;
    }
  }
  return {
    width, height,
    at(x, y) {
      const i = y * stride + x * channels;
      return [px[i], px[i + 1], px[i + 2]];
    },
  };
}
