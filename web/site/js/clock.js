// The present moment as it moves on. A report changes only with the minute, so the callback
// runs now and at the start of every minute after; and again when a hidden page is shown, since
// browsers hold back the timers of hidden pages. Returns the function that stops it.
import { clockMoment } from './moment.js';

export function startClock(onMinute) {
  let timer = 0;
  const tick = () => {
    clearTimeout(timer);
    const now = new Date();
    onMinute(clockMoment(now));
    const rest = 60000 - (now.getSeconds() * 1000 + now.getMilliseconds());
    timer = setTimeout(tick, rest + 20);
  };
  const onVisibility = () => {
    if (document.visibilityState === 'visible') tick();
  };
  document.addEventListener('visibilitychange', onVisibility);
  tick();
  return () => {
    clearTimeout(timer);
    document.removeEventListener('visibilitychange', onVisibility);
  };
}
