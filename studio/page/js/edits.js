// Edits made by hand on the picture: moving an element by a drag, sizing it
// by the wheel, from what the key facts say of each key's unit and direction.
import {screenUnits} from './painter.js';

const numbers = (text) => text.trim().split(/\s+/).map(Number);

export function formatNumber(value, whole) {
  if (whole) return String(Math.round(value));
  return String(Math.round(value * 1000) / 1000);
}

// Pixels of one unit of `unit` along an axis.
function pixelsPerUnit(unit, axis, width, height) {
  const u = screenUnits(width, height);
  if (unit === 'layout units') return u.unit(1);
  if (unit === 'horizontal font units') return u.sx(1);
  if (unit === 'vertical font units') return u.sy(1);
  if (unit === 'font units') return axis === 'x' ? u.sx(1) : u.sy(1);
  return 0;
}

// [{file, key, value}] that move every key of the group with a direction by
// dx, dy screen pixels.
export function dragEdits(keys, group, dx, dy, width, height) {
  const edits = [];
  for (const key of keys) {
    if (key.group !== group || key.move === '') continue;
    const values = numbers(key.value);
    const moves = key.move.split(',');
    let changed = false;
    moves.forEach((move, k) => {
      if (move === '' || k >= values.length) return;
      const axis = move[0];
      const per = pixelsPerUnit(key.unit, axis, width, height);
      const delta = (axis === 'x' ? dx : dy) / per * (move[1] === '+' ? 1 : -1);
      if (!Number.isFinite(delta) || delta === 0) return;
      values[k] += delta;
      changed = true;
    });
    const whole = key.kind === 'integer' || key.name.startsWith('OUTER_RADAR') || key.name.startsWith('BAR_');
    if (changed) edits.push({file: key.file, key: key.name, value: values.map((v) => formatNumber(v, whole)).join(' ')});
  }
  return edits;
}

// [{file, key, value}] that size the group by the factor k.
export function resizeEdits(keys, group, k) {
  const edits = [];
  for (const key of keys) {
    if (key.group !== group || key.resize === '') continue;
    const values = numbers(key.value).map((v) => (key.resize === 'times' ? v * k : v / k));
    if (values.every(Number.isFinite)) {
      edits.push({file: key.file, key: key.name, value: values.map((v) => formatNumber(v, false)).join(' ')});
    }
  }
  return edits;
}
