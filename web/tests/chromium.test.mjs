// @ts-check
import { everyScenario } from "./scenarios.mjs";

everyScenario("chromium");
