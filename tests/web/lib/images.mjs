// Reading back the PPM that pdftoppm writes.

export function decodePpm(buf) {
  const header = buf.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header)
    throw new Error('not a binary PPM');
  const width = Number(header[1]), height = Number(header[2]);
  const data = buf.subarray(header[0].length);
  return {
    width, height,
    at(x, y) {
      const i = (y * width + x) * 3;
      return [data[i], data[i + 1], data[i + 2]];
    },
  };
}
