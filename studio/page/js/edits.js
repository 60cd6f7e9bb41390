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
    const whole = key.kind === 'integer' || key.whole;
    if (changed) edits.push({file: key.file, key: key.name, value: values.map((v) => formatNumber(v, whole)).join(' ')});
  }
  return edits;
}

// Each number's resize rule: one for all, or one per number.
const rulesOf = (key, count) => {
  const rules = key.resize.split(',');
  return Array.from({length: count}, (_, k) => (rules.length === 1 ? rules[0] : rules[k] ?? ''));
};

// The element's corner: its smallest position across and upward, which a
// resize keeps in place (the radar's frame's lower left).
function cornerOf(keys) {
  const corner = {x: Infinity, y: Infinity};
  for (const key of keys) {
    const values = numbers(key.value);
    rulesOf(key, values.length).forEach((rule, k) => {
      if (rule === 'x' || rule === 'y') corner[rule] = Math.min(corner[rule], values[k]);
    });
  }
  return corner;
}

function sized(rule, value, k, corner) {
  if (rule === 'times') return value * k;
  if (rule === 'over') return value / k;
  if (rule === 'x' || rule === 'y') return corner[rule] + (value - corner[rule]) * k;
  if (rule === 'factor') return (1 + value) * k - 1;
  return value;
}

// [{file, key, value}] that size the group by the factor k.
export function resizeEdits(keys, group, k) {
  const sizing = keys.filter((key) => key.group === group && key.resize !== '');
  const corner = cornerOf(sizing);
  const edits = [];
  for (const key of sizing) {
    const values = numbers(key.value);
    const rules = rulesOf(key, values.length);
    const next = values.map((v, n) => sized(rules[n], v, k, corner));
    if (next.every(Number.isFinite)) {
      const whole = key.kind === 'integer' || key.whole;
      edits.push({file: key.file, key: key.name, value: next.map((v) => formatNumber(v, whole)).join(' ')});
    }
  }
  return edits;
}
